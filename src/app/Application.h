#pragma once
// The application object: a failure while an event is handled is shown to the user, and the
// program goes on.

#include <QApplication>

class Prompts;

class Application : public QApplication {
public:
    Application(int& argc, char** argv, Prompts& prompts);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Prompts& prompts_;
};
