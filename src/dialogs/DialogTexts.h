#pragma once
// A dialog's texts as designed, each with its key in the dialog's section of the language
// files, and the making of controls named and captioned from them.

#include <QString>

#include <span>
#include <string>
#include <string_view>
#include <utility>

enum class TextRole {
    Caption,   // the control's text; for the dialog itself its window title
    Hint,      // the control's tool tip
    LookedUp,  // no control's: fetched when it is needed
};

struct DialogText {
    int key;
    const char* control;  // the control's object name; nullptr for a text looked up
    TextRole role;
    const char* english;
};

// The entry of a key; nullptr when the table lacks it.
const DialogText* FindText(std::span<const DialogText> table, int key);

// The English design of a key.
QString DesignedText(std::span<const DialogText> table, int key);

// A text looked up when needed: the current language's text for the key in the section, or
// the English design.
QString LookedUpText(std::string_view section, std::span<const DialogText> table, int key);

class QLineEdit;

// What a field holds, as the core reads text.
std::string TextOf(const QLineEdit* edit);

template <typename Widget, typename... Args>
Widget* Named(const char* name, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

// The control of a key in the table, named and captioned as designed.
template <typename Widget>
Widget* Designed(std::span<const DialogText> table, int key)
{
    const DialogText& text = *FindText(table, key);
    return Named<Widget>(text.control, QString::fromUtf8(text.english));
}
