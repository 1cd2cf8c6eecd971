#pragma once
// Answers every question as a user in a hurry would, so that a main window can run unattended;
// the first run greets with a message.

#include "platform/Prompts.h"

class SilentPrompts : public Prompts {
public:
    PromptButton Message(const std::string&, const std::string&, PromptIcon, unsigned) override { return ButtonOk; }
    std::optional<std::string> OpenFileName(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> SaveFileName(const std::string&, const std::string&, const std::string&,
                                            std::string*) override
    {
        return std::nullopt;
    }
    std::optional<Colour> ChooseColour(Colour) override { return std::nullopt; }
    std::optional<FontChoice> ChooseFont(const FontChoice&) override { return std::nullopt; }
};
