#pragma once
// The room properties dialog: the room's size, the space drawn around it, grid, colours, wall
// thickness and height, and unit, with the way into the wall editor. It works on its own copy
// of the room, which the caller takes back after OK.

#include "dialogs/DialogTexts.h"
#include "model/CRoom.h"

#include "dialogs/ModalDialog.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

class ColourSwatch;
class Prompts;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TFormWalls;

class TFormRoom : public ModalDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 4;
    // The section of the language files that holds the texts below.
    static constexpr std::string_view Section = "RoomPropertiesDlg";
    static std::span<const DialogText> Texts();

    TFormRoom(Prompts& prompts, TFormWalls& wallEditor, QWidget* parent = nullptr);

    // Takes a copy of the room to work on and shows its values.
    void Load(const CRoom& room);
    // The room worked on; after OK it holds every value of the dialog.
    const CRoom& Room() const { return room_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // A number field and the least value it takes.
    struct NumberField {
        QLineEdit* edit;
        int32_t least;
    };

    QGridLayout* MakeRoomFields();
    QGroupBox* MakeBorderGroup();
    QGroupBox* MakeGridGroup();
    void ShowSize();
    void ShowUnit(int unit);
    void ShowFloor();
    // False, with the field pointed out, when a field holds a number it does not take.
    bool Acceptable(std::span<const NumberField> fields);
    void TakeSizeFields();
    void CopyTopBorder();
    void EditWalls();
    void OkClicked();

    QLabel* LbWidth;
    QLineEdit* EdWidth;
    QLabel* LbUnit1;
    QLabel* LbHeight;
    QLineEdit* EdHeight;
    QLabel* LbUnit2;
    QLabel* LbThick;
    QLineEdit* EdThick;
    QLabel* LbUnit3;
    QLabel* LbWallZHeight;
    QLineEdit* EdWallZHeight;
    QLabel* LbUnit4;
    QLabel* LbFloor;  // the floor area and perimeter of the room as it stands
    QLabel* LbWallColor;
    ColourSwatch* ImgWallColor;
    QLabel* LbBackColor;
    ColourSwatch* ImgColor;
    QLabel* LbUnitText;
    QComboBox* CbUnitText;
    QPushButton* BtnWalls;
    QGroupBox* BorderGroup;
    QLabel* LbTop;
    QLineEdit* EdBorderTop;
    QPushButton* BtnSameBorder;
    QLabel* LbLeft;
    QLineEdit* EdBorderLeft;
    QLabel* LbRight;
    QLineEdit* EdBorderRight;
    QLabel* LbBottom;
    QLineEdit* EdBorderBottom;
    QGroupBox* GridGroup;
    QLabel* LbGridSize;
    QLineEdit* EdGridSize;
    QLabel* LbGridSize2;
    QLabel* LbGridColor;
    ColourSwatch* ImgGridColor;
    // The margins in the room's order: left, top, right, bottom.
    std::array<QLineEdit*, 4> borders_{};
    // The fields "Edit walls..." reads, and the others OK reads besides.
    std::array<NumberField, 3> sizeFields_{};
    std::array<NumberField, 6> otherFields_{};

    Prompts& prompts_;
    TFormWalls& wallEditor_;
    CRoom room_;
};
