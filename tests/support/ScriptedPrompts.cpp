#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace {

template <typename Answer>
Answer Next(std::deque<Answer>& answers, const std::string& question, Answer cancelled)
{
    if (answers.empty()) {
        ADD_FAILURE() << "no scripted answer for: " << question;
        return cancelled;
    }
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace

PromptButton ScriptedPrompts::Message(const std::string& title, const std::string& text, PromptIcon,
                                      unsigned allowed)
{
    asked.push_back("Message " + title + ": " + text);
    const PromptButton answer = Next(buttons, asked.back(), ButtonCancel);
    EXPECT_TRUE(allowed & answer) << "the box had no such button: " << asked.back();
    return answer;
}

std::optional<std::string> ScriptedPrompts::OpenFileName(const std::string& title, const std::string&,
                                                         const std::string&)
{
    asked.push_back("Open " + title);
    return Next(fileNames, asked.back(), std::optional<std::string>());
}

std::optional<std::string> ScriptedPrompts::SaveFileName(const std::string& title, const std::string& suggested,
                                                         const std::string&, std::string* selectedFilter)
{
    asked.push_back("Save " + title + " " + suggested);
    if (selectedFilter && !fileTypes.empty()) {
        *selectedFilter = fileTypes.front();
        fileTypes.pop_front();
    }
    return Next(fileNames, asked.back(), std::optional<std::string>());
}

std::optional<Colour> ScriptedPrompts::ChooseColour(Colour)
{
    asked.push_back("Colour");
    return Next(colours, asked.back(), std::optional<Colour>());
}

std::optional<FontChoice> ScriptedPrompts::ChooseFont(const FontChoice&)
{
    asked.push_back("Font");
    return Next(fonts, asked.back(), std::optional<FontChoice>());
}
