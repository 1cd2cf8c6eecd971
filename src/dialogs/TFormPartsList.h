#pragma once
// The object listing window: the room's objects other than labels by name, size and
// position, from which objects are edited, removed and copied to the clipboard as text.

#include "dialogs/DialogTexts.h"
#include "dialogs/PartsListing.h"

#include <QDialog>

#include <functional>
#include <span>
#include <string_view>
#include <vector>

class CRoom;
class QMenu;
class QTreeWidget;

class TFormPartsList : public QDialog {
    Q_OBJECT
public:
    static constexpr std::string_view Section = "PartsListDlg";
    static std::span<const DialogText> Texts();

    // What the window asks of its owner: noting a change before each removal (one undo step
    // each), editing an object (true when applied) and redrawing the plan.
    struct Hooks {
        std::function<void()> noteChange;
        std::function<bool(int index)> editObject;
        std::function<void()> redraw;
    };

    explicit TFormPartsList(Hooks hooks, QWidget* parent = nullptr);

    // The room listed; while none is set every command does nothing.
    void SetRoom(CRoom* room) { room_ = room; }
    // Set when objects were removed; the owner clears it before showing the window.
    bool Changed = false;

    void FillList();
    void CopyListing();
    void RemoveSelected();
    void EditSelected();
    // The slot of the object in the list's current row; -1 for none.
    int CurrentObject() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateHeaders();
    void OpenPopup(const QPoint& pos);

    Hooks hooks_;
    CRoom* room_ = nullptr;
    std::vector<ListingRow> rows_;  // in the order the view shows them
    QTreeWidget* PartView;
    QMenu* PopupMenu1;
    QAction* Properties1;
};
