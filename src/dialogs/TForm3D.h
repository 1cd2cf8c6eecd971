#pragma once
// The Explore-in-3D setup: where the walk through the room starts and which way it looks,
// whether the walls are shown, and the scene's scale. The start is typed, or picked by
// clicking on a preview of the plan; the direction is typed, or set by dragging on a dial,
// with Shift snapping it to the eight main directions. The caller loads the dialog from the
// room and the options; OK stores the options and leaves the start for the caller to take.

#include "model/CRoom.h"

#include "dialogs/DialogTexts.h"
#include "dialogs/ModalDialog.h"
#include <QImage>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

class COptions;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TForm3D : public ModalDialog {
    Q_OBJECT
public:
    using Start = std::array<int32_t, 3>;  // x, y, direction in degrees, as CRoom::Start3D

    static constexpr int HelpContext = 10;
    // The section of the language files that holds the texts below.
    static constexpr std::string_view Section = "Explore3DDlg";
    static std::span<const DialogText> Texts();
    // The largest size of the plan preview in pixels; the room keeps its proportions in it.
    static constexpr int PreviewWidth = 320;
    static constexpr int PreviewHeight = 240;

    explicit TForm3D(QWidget* parent = nullptr);

    // Shows the room's start and the options, and draws the room's preview.
    void Load(const CRoom& room, const COptions& options);
    // The walls choice, and the zoom when its edit holds a positive integer.
    void StoreOptions(COptions& options) const;
    // The start as the edits give it, each value kept from the loaded start unless its edit
    // holds an integer.
    Start ChosenStart() const;
    // Loads, shows modally and stores the options on OK; returns 1 for OK and 2 for Cancel.
    // After OK the caller compares ChosenStart() with the room's start.
    int Edit(const CRoom& room, COptions& options);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* MakeStartGroup();
    QGroupBox* MakeOptionsGroup();
    void DrawPlan(const CRoom& room);
    void RedrawPreview();
    void RedrawDial();
    void PickStart(QPoint pixel);
    void PointDial(QPoint pixel, Qt::KeyboardModifiers modifiers);

    QLabel* LbHint;
    QLabel* ImgPlan;
    QLineEdit* EdPosX;
    QLineEdit* EdPosY;
    QLineEdit* EdRotation;
    QLabel* ImgPreview;
    QComboBox* CbWallsTransp;
    QLineEdit* EdZoom;

    Start loadedStart_{};
    // The room as the preview shows it, at a zoom that fits it into the preview (none when
    // the room has no area): they map the preview's pixels to the plan and back.
    CRoom previewRoom_;
    std::optional<double> previewZoom_;
    QImage previewPlan_;
};
