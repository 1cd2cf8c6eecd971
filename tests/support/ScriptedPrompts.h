#pragma once
// Prompts answered by a script instead of a person: each question takes the next answer of
// its kind, and every question asked is written down for the test to check.

#include "platform/Prompts.h"

#include <deque>
#include <string>
#include <vector>

class ScriptedPrompts : public Prompts {
public:
    // Answers in the order the questions will come; a question with no answer left fails the
    // test and is answered as if the user had cancelled.
    std::deque<PromptButton> buttons;
    std::deque<std::optional<std::string>> fileNames;
    std::deque<std::optional<Colour>> colours;
    std::deque<std::optional<FontChoice>> fonts;
    std::deque<std::string> fileTypes;  // filters chosen in save dialogs that offer several

    // "Message <title>: <text>", "Open <title>", "Save <title> <suggested>", "Colour", "Font".
    std::vector<std::string> asked;

    PromptButton Message(const std::string& title, const std::string& text, PromptIcon icon,
                         unsigned buttons) override;
    std::optional<std::string> OpenFileName(const std::string& title, const std::string& folder,
                                            const std::string& filter) override;
    std::optional<std::string> SaveFileName(const std::string& title, const std::string& suggested,
                                            const std::string& filter, std::string* selectedFilter) override;
    std::optional<Colour> ChooseColour(Colour initial) override;
    std::optional<FontChoice> ChooseFont(const FontChoice& initial) override;
};
