#pragma once
// The questions to the user as Qt's standard dialogs.

#include "platform/Prompts.h"

class QWidget;

class QtPrompts : public Prompts {
public:
    // Dialogs are centred on the parent while it exists.
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    PromptButton Message(const std::string& title, const std::string& text, PromptIcon icon,
                         unsigned buttons) override;
    std::optional<std::string> OpenFileName(const std::string& title, const std::string& folder,
                                            const std::string& filter) override;
    std::optional<std::string> SaveFileName(const std::string& title, const std::string& suggested,
                                            const std::string& filter, std::string* selectedFilter) override;
    std::optional<Colour> ChooseColour(Colour initial) override;
    std::optional<FontChoice> ChooseFont(const FontChoice& initial) override;

private:
    QWidget* parent_;
};
