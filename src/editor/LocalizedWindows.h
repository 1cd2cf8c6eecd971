#pragma once
// Every window whose texts come from the language files: its name, its section and its
// table of texts, in the order in which a language switch localizes them (the main window's
// menus, pop-up menus and tool bar first).

#include "dialogs/DialogTexts.h"

#include <span>
#include <string_view>

struct LocalizedWindow {
    const char* window;  // the window's object name
    std::string_view section;
    std::span<const DialogText> texts;
};

std::span<const LocalizedWindow> LocalizedWindows();
