#include "dialogs/TFormPartsList.h"

#include "model/CRoom.h"
#include "platform/QtConversions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum TextKey {
    CaptionKey = 1,
    NameColumnKey = 2,
    SizeColumnKey = 3,
    PositionColumnKey = 4,
    PropertiesKey = 5,
    RemoveKey = 6,
    CopyKey = 7,
};

constexpr DialogText PartsListTexts[] = {
    {CaptionKey, "TFormPartsList", TextRole::Caption, "Object Listing"},
    {NameColumnKey, nullptr, TextRole::LookedUp, "Caption"},
    {SizeColumnKey, nullptr, TextRole::LookedUp, "Size [cm]"},
    {PositionColumnKey, nullptr, TextRole::LookedUp, "Position [cm]"},
    {PropertiesKey, "Properties1", TextRole::Caption, "Properties..."},
    {RemoveKey, "RemoveObjects1", TextRole::Caption, "Remove Object(s)"},
    {CopyKey, "CopyObjectListing1", TextRole::Caption, "Copy Object Listing to Clipboard"},
};

QAction* AddDesigned(QMenu* menu, int key)
{
    const DialogText& text = *FindText(PartsListTexts, key);
    QAction* action = menu->addAction(QString::fromUtf8(text.english));
    action->setObjectName(text.control);
    return action;
}

}  // namespace

std::span<const DialogText> TFormPartsList::Texts()
{
    return PartsListTexts;
}

TFormPartsList::TFormPartsList(Hooks hooks, QWidget* parent)
    : QDialog(parent), hooks_(std::move(hooks))
{
    setObjectName("TFormPartsList");
    setWindowTitle(DesignedText(PartsListTexts, CaptionKey));
    setSizeGripEnabled(true);

    PartView = Named<QTreeWidget>("PartView");
    PartView->setColumnCount(3);
    PartView->setRootIsDecorated(false);
    PartView->setAllColumnsShowFocus(true);
    PartView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    PartView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PartView->setContextMenuPolicy(Qt::CustomContextMenu);
    PartView->header()->setStretchLastSection(false);
    PartView->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column : {1, 2})
        PartView->setColumnWidth(column, 80);

    PopupMenu1 = Named<QMenu>("PopupMenu1", this);
    Properties1 = AddDesigned(PopupMenu1, PropertiesKey);
    QAction* remove = AddDesigned(PopupMenu1, RemoveKey);
    PopupMenu1->addSeparator();
    QAction* copy = AddDesigned(PopupMenu1, CopyKey);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PartView);
    resize(420, 320);

    connect(Properties1, &QAction::triggered, this, &TFormPartsList::EditSelected);
    connect(remove, &QAction::triggered, this, &TFormPartsList::RemoveSelected);
    connect(copy, &QAction::triggered, this, &TFormPartsList::CopyListing);
    connect(PartView, &QTreeWidget::itemDoubleClicked, this, &TFormPartsList::EditSelected);
    connect(PartView, &QWidget::customContextMenuRequested, this, &TFormPartsList::OpenPopup);
    UpdateHeaders();
}

void TFormPartsList::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        UpdateHeaders();
        FillList();
    }
    QDialog::showEvent(event);
}

// The view leaves the Delete key to its window.
void TFormPartsList::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Delete))
        RemoveSelected();
    else
        QDialog::keyPressEvent(event);
}

void TFormPartsList::UpdateHeaders()
{
    const std::string unit = room_ ? room_->UnitName : "cm";
    const auto header = [&](int key) {
        return ToQString(HeaderInUnit(LookedUpText(Section, PartsListTexts, key).toStdString(), unit));
    };
    PartView->setHeaderLabels({LookedUpText(Section, PartsListTexts, NameColumnKey), header(SizeColumnKey),
                               header(PositionColumnKey)});
    for (int column : {1, 2})
        PartView->headerItem()->setTextAlignment(column, Qt::AlignCenter);
}

void TFormPartsList::FillList()
{
    if (!room_)
        return;
    PartView->clear();
    rows_ = ListingRows(*room_);
    for (const ListingRow& row : rows_) {
        auto* item = new QTreeWidgetItem(PartView, {ToQString(row.name), ToQString(row.size), ToQString(row.position)});
        item->setData(0, Qt::UserRole, row.index);
        for (int column : {1, 2})
            item->setTextAlignment(column, Qt::AlignCenter);
    }
}

void TFormPartsList::CopyListing()
{
    if (room_)
        QGuiApplication::clipboard()->setText(ToQString(ListingText(rows_)));
}

void TFormPartsList::RemoveSelected()
{
    if (!room_)
        return;
    for (const QTreeWidgetItem* item : PartView->selectedItems()) {
        hooks_.noteChange();
        room_->Parts[item->data(0, Qt::UserRole).toInt()].InUse = false;
        Changed = true;
    }
    if (Changed) {
        FillList();
        hooks_.redraw();
    }
}

void TFormPartsList::EditSelected()
{
    const QList<QTreeWidgetItem*> selected = PartView->selectedItems();
    if (room_ && selected.size() == 1 && hooks_.editObject(selected[0]->data(0, Qt::UserRole).toInt()))
        FillList();
}

int TFormPartsList::CurrentObject() const
{
    const QTreeWidgetItem* item = PartView->currentItem();
    return item && item->isSelected() ? item->data(0, Qt::UserRole).toInt() : -1;
}

void TFormPartsList::OpenPopup(const QPoint& pos)
{
    if (QTreeWidgetItem* item = PartView->itemAt(pos)) {
        if (!item->isSelected())
            PartView->setCurrentItem(item);
    }
    Properties1->setEnabled(PartView->selectedItems().size() == 1);
    PopupMenu1->popup(PartView->viewport()->mapToGlobal(pos));
}
