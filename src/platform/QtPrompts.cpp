#include "platform/QtPrompts.h"

#include "platform/QtConversions.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

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

QIcon SwatchIcon(Colour colour)
{
    QPixmap swatch(16, 16);
    swatch.fill(ToQColor(colour));
    return QIcon(swatch);
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
    QColorDialog dialog(ToQColor(initial), parent_);
    dialog.setObjectName("ColourDialog");
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FromQColor(dialog.selectedColor());
}

std::optional<FontChoice> QtPrompts::ChooseFont(const FontChoice& initial)
{
    QFontDialog dialog(ToQFont(initial.font), parent_);
    dialog.setObjectName("FontDialog");
    dialog.setOptions(QFontDialog::ScalableFonts | QFontDialog::DontUseNativeDialog);
    Colour colour = initial.colour;
    // Qt's font chooser has no colour of its own: a button beside OK and Cancel adds it,
    // captioned in the words of Qt's colour chooser, which it opens.
    auto* pick = new QPushButton(QCoreApplication::translate("QColorDialog", "Select Color"));
    pick->setObjectName("BtnFontColour");
    pick->setIcon(SwatchIcon(colour));
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        buttons->addButton(pick, QDialogButtonBox::ActionRole);
    QObject::connect(pick, &QPushButton::clicked, &dialog, [&] {
        if (const std::optional<Colour> chosen = ChooseColour(colour)) {
            colour = *chosen;
            pick->setIcon(SwatchIcon(colour));
        }
    });
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FontChoice{FromQFont(dialog.selectedFont(), initial.font), colour};
}
