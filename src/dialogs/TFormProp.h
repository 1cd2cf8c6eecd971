#pragma once
// The object properties dialog: type, caption, size, position, 3D placement, rotation,
// colours, line style and wall snapping of any object but a label, with a live preview and a
// rotation dial. Its "User library" group is the user's own catalogue of objects, which it
// re-reads at every showing and writes after every change.
//
// In edit mode the caller loads an object with SetPart and, after OK, writes the dialog into
// the object with ApplyToPart. In browse mode the dialog only manages the catalogue: the
// position and rotation stay disabled and OK reads "Close".

#include "dialogs/DialogTexts.h"
#include "dialogs/ModalDialog.h"
#include "dialogs/ObjectPropertyRules.h"
#include "library/CPartsCatalogue.h"
#include "model/CPart.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

class ColourSwatch;
class CRoom;
class Prompts;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeWidget;
class TFormRename;

class TFormProp : public ModalDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 6;
    static constexpr int PreviewWidth = 121;
    static constexpr int PreviewHeight = 137;
    static constexpr int DialSize = 30;
    // The section of the language files that holds the texts below.
    static constexpr std::string_view Section = "ObjectPropertiesDlg";
    static std::span<const DialogText> Texts();

    TFormProp(Prompts& prompts, TFormRename& renamePrompt, QWidget* parent = nullptr);

    // The room the object belongs to: its unit, local coordinates and wall thickness. Set it
    // before SetPart, which shows the position in the room's coordinates.
    void SetRoom(const CRoom& room);
    void SetBrowseMode(bool browse) { browseMode_ = browse; }
    // The code page the user catalogue leans to when its letters do not tell (see TextCodec.h).
    void SetCodePageHint(CodePageHint hint) { codePageHint_ = hint; }

    // Shows an object. With keepPosition the position and rotation fields stay as they are.
    void SetPart(const CPart& source, bool keepPosition);
    // Empties the fields for browsing: sizes blank, position and rotation "--".
    void ClearFields();
    // Writes the fields into an object.
    void ApplyToPart(CPart& target) const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLayout* MakePlacementFields();
    QGroupBox* Make3DGroup();
    QLayout* MakeLooks();
    QGroupBox* MakeCatalogueGroup();
    QDialogButtonBox* MakeButtons();
    void ConnectControls();

    // Every field's changes come here; `source` is the control that changed.
    void FieldChanged(const QObject* source);
    void TypeChanged();
    void UpdateTypeControls();
    void ShowMode();
    void ShowListTexts();
    void ShowUnits();
    void ShowColour(QCheckBox* box, ColourSwatch* swatch, Colour colour);
    ObjectFields ReadFields() const;
    void RedrawPreview();
    void RedrawDial();
    void PointDial(QPoint pixel, Qt::KeyboardModifiers modifiers);

    void ShowCatalogue(bool shown);
    void FillList();
    int SelectedEntry() const;
    void LoadClicked();
    void SaveClicked();
    void ListMenuRequested(const QPoint& at);
    void RemoveClicked();
    void RenameClicked();
    bool ConfirmOverwrite();
    // Lists the catalogue anew and writes it to its file.
    void CatalogueChanged();

    QLabel* LbType;
    QComboBox* CBType;
    QPushButton* BtnCatalogue;
    QLabel* LbCaption;
    QLineEdit* EdCaption;
    QLabel* LbWidth;
    QLineEdit* EdWidth;
    QLabel* LbUnit1;
    QLabel* LbHeight;
    QLineEdit* EdHeight;
    QLabel* LbUnit2;
    QLabel* LbPos;
    QLineEdit* EdPosX;
    QLabel* LbUnit3;
    QLineEdit* EdPosY;
    QLabel* LbUnit4;
    QLabel* LbRotation;
    QLineEdit* EdRotation;
    QLabel* ImgRot;
    QGroupBox* GroupBox3D;
    QLabel* LbPos2;
    QLineEdit* EdPosZ;
    QLabel* LbUnit5;
    QLabel* LbHeight2;
    QLineEdit* EdZHeight;
    QLabel* LbUnit6;
    QCheckBox* ChkSnap;
    QGroupBox* GroupBoxColors;
    QCheckBox* ChkLine;
    ColourSwatch* ImgColor;
    QCheckBox* ChkFill;
    ColourSwatch* ImgFill;
    QCheckBox* ChkTextColor;
    ColourSwatch* ImgTextColor;
    QLabel* LbLineStyle;
    QComboBox* CbLineStyle;
    QLabel* LbPreview;
    QLabel* ImgPreview;
    QGroupBox* GroupBoxCatalogue;
    QTreeWidget* CatList;
    QPushButton* BtnLoad;
    QPushButton* BtnSave;
    QMenu* PopupMenu1;
    QAction* Odeberzkatalogu1;
    QAction* Rename1;
    std::array<ColourSwatch*, 3> swatches_{};

    Prompts& prompts_;
    TFormRename& renamePrompt_;
    const std::string cataloguePath_;
    CPartsCatalogue catalogue_;
    CodePageHint codePageHint_ = CodePageHint::Western;
    ObjectRoom room_;
    CPart working_;
    bool browseMode_ = false;
    bool loading_ = false;  // while the dialog fills its own fields, which are no user's change
};
