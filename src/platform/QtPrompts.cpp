#include "platform/QtPrompts.h"

#include "platform/QtConversions.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon ToQIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::Error:
        return QMessageBox::Critical;
    case PromptIcon::Question:
        return QMessageBox::Question;
    default:
        return QMessageBox::Information;
    }
}

constexpr std::pair<PromptButton, QMessageBox::StandardButton> ButtonPairs[] = {
    {ButtonOk, QMessageBox::Ok},
    {ButtonYes, QMessageBox::Yes},
    {ButtonNo, QMessageBox::No},
    {ButtonCancel, QMessageBox::Cancel},
};

}  // namespace

PromptButton QtPrompts::Message(const std::string& title, const std::string& text, PromptIcon icon,
                                unsigned buttons)
{
    QMessageBox box(ToQIcon(icon), ToQString(title), ToQString(text), QMessageBox::NoButton, parent_);
    PromptButton last = ButtonOk;
    for (const auto& [ours, theirs] : ButtonPairs) {
        if (buttons & ours) {
            box.addButton(theirs);
            last = ours;
        }
    }
    box.exec();
    const auto pressed = box.standardButton(box.clickedButton());
    for (const auto& [ours, theirs] : ButtonPairs)
        if (pressed == theirs)
            return ours;
    return (buttons & ButtonCancel) ? ButtonCancel : last;
}

std::optional<std::string> QtPrompts::OpenFileName(const std::string& title, const std::string& folder,
                                                   const std::string& filter)
{
    const QString name = QFileDialog::getOpenFileName(parent_, ToQString(title), ToQString(folder), ToQString(filter));
    return name.isEmpty() ? std::nullopt : std::optional(name.toStdString());
}

std::optional<std::string> QtPrompts::SaveFileName(const std::string& title, const std::string& suggested,
                                                   const std::string& filter, std::string* selectedFilter)
{
    QString chosenFilter = selectedFilter ? ToQString(*selectedFilter) : QString();
    const QString name = QFileDialog::getSaveFileName(parent_, ToQString(title), ToQString(suggested), ToQString(filter),
                                                      selectedFilter ? &chosenFilter : nullptr);
    if (selectedFilter)
        *selectedFilter = chosenFilter.toStdString();
    return name.isEmpty() ? std::nullopt : std::optional(name.toStdString());
}

std::optional<Colour> QtPrompts::ChooseColour(Colour initial)
{
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), parent_);
    if (!chosen.isValid())
        return std::nullopt;
    return FromQColor(chosen);
}

std::optional<CFont> QtPrompts::ChooseFont(const CFont& initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, ToQFont(initial), parent_);
    return ok ? std::optional(FromQFont(font, initial)) : std::nullopt;
}
