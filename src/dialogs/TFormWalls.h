#pragma once
// The wall editor: the walls of a room's outline one at a time, listed with a row for a new
// wall, with a preview of the outline. It works on its own copy of the walls, which the caller
// takes back after OK.

#include "dialogs/DialogTexts.h"
#include "model/CRoomWalls.h"

#include "dialogs/ModalDialog.h"
#include <QString>

#include <array>
#include <span>
#include <string>

class Prompts;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

class TFormWalls : public ModalDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 4;
    static constexpr int PreviewWidth = 233;
    static constexpr int PreviewHeight = 130;
    // The section of the language files that holds the texts below.
    static constexpr std::string_view Section = "EditWallsDlg";
    static std::span<const DialogText> Texts();

    explicit TFormWalls(Prompts& prompts, QWidget* parent = nullptr);

    // Takes a copy of the walls to edit; a new wall is proposed with the given thickness. The
    // dialog opens on the wall `shownWall`, or on the row for a new wall when that is no wall.
    void InitWalls(const CRoomWalls& source, int32_t newWallThickness, int shownWall = -1);
    void GetWalls(CRoomWalls& target) const;
    // The unit the lengths are read in, shown beside the thickness.
    void SetUnitName(const std::string& unitName);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QVBoxLayout* MakeListing();
    QGroupBox* MakeWallGroup();
    bool IsNewWallRow(int row) const { return row == walls_.Count(); }
    void FillList();
    void SelectRow(int row);
    void ShowRow(int row);
    void RowChosen(int row);
    // Whether the changed wall may be left: saved, or its changes dropped, at the user's word.
    bool LeaveChangedWall();
    bool SaveWall();
    void SaveClicked();
    void RemoveClicked();
    void OkClicked();
    int Alignment() const;
    void DrawPreview();

    QLabel* LbWallsList;
    QListWidget* LsWalls;
    QLabel* LbPreview;
    QLabel* ImgPreview;
    QGroupBox* GroupBox1;
    QLabel* LbFrom;
    QLabel* LbTo;
    QLineEdit* EdFromX;
    QLineEdit* EdFromY;
    QLineEdit* EdToX;
    QLineEdit* EdToY;
    QLabel* LbAlign;
    QRadioButton* Radio1;
    QRadioButton* Radio2;
    QRadioButton* Radio3;
    QLabel* LbThickness;
    QLineEdit* EdThick;
    QLabel* LbUnit;
    QPushButton* BtnSave;
    QPushButton* BtnRemove;
    // From x, from y, to x, to y and thickness, in the order the wall's fields are read.
    std::array<QLineEdit*, 5> fields_{};

    Prompts& prompts_;
    CRoomWalls walls_;
    int32_t newWallThickness_ = 0;
    QString unitName_;
    int shown_ = 0;  // the row in the fields; walls_.Count() for the new wall
    int shownOnOpen_ = -1;  // the wall to show first; the new wall's row when it is no wall
    bool modified_ = false;
};
