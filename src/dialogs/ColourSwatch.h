#pragma once
// A colour swatch of the dialogs: shows a colour and lets the user choose another with the
// colour chooser, by a click or, when it has the focus, by Space. The dropper cursor over it
// tells that it can be clicked.

#include "base/Colour.h"

#include <QCursor>
#include <QWidget>

class Prompts;

class ColourSwatch : public QWidget {
    Q_OBJECT
public:
    explicit ColourSwatch(Prompts& prompts, QWidget* parent = nullptr);

    Colour Value() const { return colour_; }
    void SetValue(Colour colour);

    QSize sizeHint() const override { return {41, 21}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Choose();

    Prompts& prompts_;
    Colour colour_ = 0;
};

// The cursor of every colour swatch, its hot spot at the dropper's tip.
QCursor DropperCursor();
