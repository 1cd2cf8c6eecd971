#include "dialogs/DialogTexts.h"

#include "localize/CALocalize.h"
#include "localize/Messages.h"

#include <QLineEdit>

const DialogText* FindText(std::span<const DialogText> table, int key)
{
    for (const DialogText& text : table)
        if (text.key == key)
            return &text;
    return nullptr;
}

QString DesignedText(std::span<const DialogText> table, int key)
{
    const DialogText* text = FindText(table, key);
    return text ? QString::fromUtf8(text->english) : QString();
}

std::string TextOf(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

QString LookedUpText(std::string_view section, std::span<const DialogText> table, int key)
{
    const CALocalize* localizer = CurrentLocalizer();
    if (!localizer)
        return DesignedText(table, key);
    const DialogText* text = FindText(table, key);
    return QString::fromStdString(localizer->Text(localizer->FindSection(section), key, text ? text->english : ""));
}
