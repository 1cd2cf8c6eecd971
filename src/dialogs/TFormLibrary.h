#pragma once
// The library chooser: the objects of one library category as icons of their plan symbols,
// the user's own catalogue among them as the "User Library" category. The user picks an
// object by double click or Enter, or asks for a basic shape instead.
//
// The chooser lists the library's catalogue with the user's catalogue appended at every
// showing; the appended entries stay until the next showing drops them.

#include "dialogs/DialogTexts.h"
#include "dialogs/ModalDialog.h"
#include "model/Units.h"
#include "platform/TextCodec.h"

#include <span>
#include <string_view>

class CLibrary;
class COptions;
class CPart;
class CRoom;
class QComboBox;
class QIcon;
class QLabel;
class QListWidget;
class QPushButton;

class TFormLibrary : public ModalDialog {
    Q_OBJECT
public:
    // The result when the user asks for a basic object instead of a library one.
    static constexpr int ResultAddBasic = 4;
    static constexpr int IconSize = 56;
    // The section of the language files that holds the texts below.
    static constexpr std::string_view Section = "LibraryDlg";
    static std::span<const DialogText> Texts();

    // The library is loaded already; its entries at this moment are the installed objects.
    TFormLibrary(CLibrary& library, COptions& options, QWidget* parent = nullptr);

    // The room the chosen object goes into: its unit shows in the list and sizes the object.
    void SetRoom(const CRoom& room);
    // The code page the user catalogue leans to when its letters do not tell (see TextCodec.h).
    void SetCodePageHint(CodePageHint hint) { codePageHint_ = hint; }
    // After OK: fills the new object from the chosen entry, keeping its position.
    void GetSelectedPart(CPart& target) const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* MakeTopBar();
    void FillCategories();
    void ShowCategory(int category);
    QIcon IconOf(const CPart& entry) const;
    void Choose();

    bool chooseOnRelease_ = false;  // a double click waits for its release
    CodePageHint codePageHint_ = CodePageHint::Western;

    QWidget* Panel1;
    QLabel* LbSelectObject;
    QComboBox* CbLibraries;
    QLabel* LbOr;
    QPushButton* BtnAddSimple;
    QListWidget* ObjectsView;

    CLibrary& library_;
    COptions& options_;
    const int libraryCount_;
    int unit_ = CentimetreUnit;
    int selected_ = -1;
};
