#pragma once
// The background picture's calibration: the real distance of two points the user clicked on
// the picture, where its top-left corner lies, its rotation and its opacity. A value left as
// shown changes nothing.

#include "dialogs/BackgroundCalibration.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/ModalDialog.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

class CBackground;
class Prompts;
class QLabel;
class QLineEdit;

class TFormBackground : public ModalDialog {
    Q_OBJECT
public:
    // The section of the language files that holds the texts below.
    static constexpr std::string_view Section = "BackgroundDlg";
    static std::span<const DialogText> Texts();

    explicit TFormBackground(Prompts& prompts, QWidget* parent = nullptr);

    // Shows the background's values, and the distance of the points when there are any, in
    // the room's unit; applies what was typed when the dialog closes with OK. Returns whether
    // it did; a value that cannot be applied is reported and keeps the dialog open.
    bool Edit(CBackground& background, const std::string& unitName,
              const std::optional<std::array<PointF, 2>>& points);

private:
    CalibrationEntry Entry() const;
    std::optional<double> Typed(const QLineEdit* edit) const;

    QLabel* LbDistance;
    QLineEdit* EdDistance;
    QLabel* LbUnit;
    QLabel* LbPosX;
    QLineEdit* EdPosX;
    QLabel* LbPosY;
    QLineEdit* EdPosY;
    QLabel* LbRotation;
    QLineEdit* EdRotation;
    QLabel* LbOpacity;
    QLineEdit* EdOpacity;

    Prompts& prompts_;
    std::optional<std::array<PointF, 2>> points_;
};
