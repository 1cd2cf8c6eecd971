#include "dialogs/WindowTexts.h"

#include "localize/CALocalize.h"
#include "localize/Messages.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace {

struct MessageButton {
    const char* name;
    MessageId message;
};

constexpr MessageButton CommonButtons[] = {
    {"BtnOK", MsgOk},
    {"BtnCancel", MsgCancel},
    {"BtnHelp", MsgHelp},
};

// A control of the window itself by name, not one of the dialogs it owns: those carry the
// same button names and take their texts from their own sections.
template <class Control>
Control* OwnControl(QWidget& window, const char* name)
{
    for (Control* control : window.findChildren<Control*>(name))
        if (control->window() == &window)
            return control;
    return nullptr;
}

void SetCaption(QWidget& window, const char* name, const QString& text)
{
    if (window.objectName() == QLatin1String(name)) {
        window.setWindowTitle(text);
    } else if (auto* action = window.findChild<QAction*>(name)) {
        action->setText(text);
    } else if (auto* button = OwnControl<QAbstractButton>(window, name)) {
        button->setText(text);
    } else if (auto* label = OwnControl<QLabel>(window, name)) {
        label->setText(text);
    } else if (auto* group = OwnControl<QGroupBox>(window, name)) {
        group->setTitle(text);
    } else if (auto* menu = window.findChild<QMenu*>(name)) {
        menu->setTitle(text);
    }
}

void SetHint(QWidget& window, const char* name, const QString& text)
{
    if (auto* widget = OwnControl<QWidget>(window, name))
        widget->setToolTip(text);
}

void Apply(QWidget& window, const DialogText& entry, const QString& text)
{
    if (entry.role == TextRole::Caption)
        SetCaption(window, entry.control, text);
    else if (entry.role == TextRole::Hint)
        SetHint(window, entry.control, text);
}

}  // namespace

int32_t ApplyWindowTexts(QWidget& window, std::string_view section, std::span<const DialogText> table,
                         const CALocalize& localizer)
{
    const int32_t index = localizer.FindSection(section);
    if (index < 0)
        return index;
    std::string text;
    for (const DialogText& entry : table)
        if (entry.control && localizer.Lookup(index, entry.key, text))
            Apply(window, entry, QString::fromStdString(text));
    for (const MessageButton& button : CommonButtons)
        if (auto* widget = OwnControl<QAbstractButton>(window, button.name))
            if (localizer.Lookup(localizer.FindSection("Messages"), button.message, text))
                widget->setText(QString::fromStdString(text));
    return index;
}
