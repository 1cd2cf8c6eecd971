#pragma once
// Putting a window's texts in the interface language onto its controls.

#include "dialogs/DialogTexts.h"

#include <cstdint>
#include <span>
#include <string_view>

class CALocalize;
class QWidget;

// Applies the texts that the language has in the section to the controls of the table, found
// by name in the window (the window itself, its widgets, menus and menu items); a control
// whose key the language lacks keeps what it shows. When the section exists, the window's OK,
// Cancel and Help buttons take their captions from the messages as well. Returns the
// section's index, -1 when the language has no such section and nothing was changed.
int32_t ApplyWindowTexts(QWidget& window, std::string_view section, std::span<const DialogText> table,
                         const CALocalize& localizer);
