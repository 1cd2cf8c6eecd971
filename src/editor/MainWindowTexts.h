#pragma once
// The main window's texts as designed, by their keys in the language files' sections
// "MainMenu", "ObjectPopupMenu", "NewObjectPopupMenu" (menu captions) and "Toolbar" (button
// hints). The blanks and the key after a caption, as in "Zoom &In          +", are part of
// the text, so translations carry their own.

#include "dialogs/DialogTexts.h"

#include <span>
#include <string_view>

constexpr std::string_view MainMenuSection = "MainMenu";
constexpr std::string_view ObjectPopupSection = "ObjectPopupMenu";
constexpr std::string_view NewObjectPopupSection = "NewObjectPopupMenu";
constexpr std::string_view ToolbarSection = "Toolbar";

// The caption of the first recent-file item while the list is empty.
constexpr int RecentFileKey = 21;

std::span<const DialogText> MainMenuTexts();
std::span<const DialogText> ObjectPopupTexts();
std::span<const DialogText> NewObjectPopupTexts();
std::span<const DialogText> ToolbarTexts();

// The designed caption of a menu or menu item, or the hint of a tool button, by its name.
QString MainWindowDesign(std::string_view control);
