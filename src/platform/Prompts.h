#pragma once
// The questions the program puts to the user: message boxes and the file, colour and font
// choosers. Windows ask through this interface, so that tests can answer in their stead.

#include "base/CFont.h"
#include "base/Colour.h"

#include <optional>
#include <string>

// A font with the colour of its text: the font chooser offers both.
struct FontChoice {
    CFont font;
    Colour colour = 0;
};

enum class PromptIcon { Information, Warning, Error, Question };

enum PromptButton : unsigned {
    ButtonOk = 1u << 0,
    ButtonYes = 1u << 1,
    ButtonNo = 1u << 2,
    ButtonCancel = 1u << 3,
};

class Prompts {
public:
    virtual ~Prompts() = default;

    // Shows a message and returns the button pressed; closing the box counts as Cancel when it
    // has one, else as the only or the last button.
    virtual PromptButton Message(const std::string& title, const std::string& text, PromptIcon icon,
                                 unsigned buttons) = 0;
    // A file to open or to save; `filter` is in the form "Rooms (*.mst);;All files (*)".
    virtual std::optional<std::string> OpenFileName(const std::string& title, const std::string& folder,
                                                    const std::string& filter) = 0;
    // `selectedFilter`, when given, names the filter shown first and receives the one chosen.
    virtual std::optional<std::string> SaveFileName(const std::string& title, const std::string& suggested,
                                                    const std::string& filter, std::string* selectedFilter) = 0;
    virtual std::optional<Colour> ChooseColour(Colour initial) = 0;
    // Offers the scalable fonts only: a label's text is drawn at every zoom.
    virtual std::optional<FontChoice> ChooseFont(const FontChoice& initial) = 0;
};
