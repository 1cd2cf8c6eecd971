#pragma once
// The local coordinates dialog: the room's user-coordinate origin, typed or picked by clicking
// in the plan while the dialog stays open, and the switch that turns local coordinates on.
// The caller loads it from the room, shows it, and stores it back only when it closes with OK.

#include "base/Geometry.h"
#include "dialogs/DialogTexts.h"

#include "dialogs/ModalDialog.h"
#include <QString>

#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

class CRoom;
class QCheckBox;
class QLineEdit;
class QPushButton;

class TFormCoord : public ModalDialog {
    Q_OBJECT
public:
    // The room point under a screen position, when the position lies over the plan area.
    using PlanPicker = std::function<std::optional<Point>(QPoint globalPos)>;

    static constexpr int HelpContext = 4;
    // The section of the language files that holds the texts below.
    static constexpr std::string_view Section = "LocalCoordDlg";
    static std::span<const DialogText> Texts();

    explicit TFormCoord(QWidget* parent = nullptr);

    void SetPlanPicker(PlanPicker picker) { planPointAt_ = std::move(picker); }
    // Centres the dialog over the plan area, given in screen coordinates, just above it. Best
    // called before each showing: the main window may have moved, and the dialog learns the
    // height of its frame only once it has been shown.
    void PlaceAbovePlan(const QRect& planArea);

    void Load(const CRoom& room);
    // The origin from the edits, where each keeps the room's value unless it holds an
    // integer, and the flag from the check box.
    void Store(CRoom& room) const;
    // Loads, shows modally and stores on OK; returns 1 for OK and 2 for Cancel.
    int Edit(CRoom& room);

    bool IsPicking() const { return picking_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void StartPicking();
    void EndPicking();
    void TrackPick(QPoint globalPos);
    bool IsOverDialog(QPoint globalPos) const;

    QLineEdit* EdPosX;
    QLineEdit* EdPosY;
    QPushButton* BtnClickObr;
    QCheckBox* ChkUseLocalCoord;

    PlanPicker planPointAt_;
    bool picking_ = false;
    QString textXBeforePick_;  // what the edits showed when picking began
    QString textYBeforePick_;
};
