#include "dialogs/TFormLibrary.h"

#include "dialogs/LibraryChooserRules.h"
#include "dialogs/ObjectPropertyRules.h"
#include "library/CatalogueFiles.h"
#include "library/CLibrary.h"
#include "localize/Messages.h"
#include "model/CRoom.h"
#include "model/LibraryCategories.h"
#include "platform/COptions.h"
#include "platform/QtCanvas.h"
#include "platform/QtConversions.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

enum TextKey {
    CaptionKey = 1,
    SelectObjectKey = 2,
    OrKey = 3,
    AddSimpleKey = 4,
};

constexpr DialogText LibraryTexts[] = {
    {CaptionKey, "TFormLibrary", TextRole::Caption, "Library"},
    {SelectObjectKey, "LbSelectObject", TextRole::Caption, "Select object from library"},
    {OrKey, "LbOr", TextRole::Caption, "or"},
    {AddSimpleKey, "BtnAddSimple", TextRole::Caption, "Add basic object..."},
};

constexpr int EntryRole = Qt::UserRole;
constexpr int TopBarHeight = 33;
constexpr int ComboRows = 12;
// Room under each icon for two lines of its name.
constexpr QSize IconCell(128, 104);

}  // namespace

std::span<const DialogText> TFormLibrary::Texts()
{
    return LibraryTexts;
}

TFormLibrary::TFormLibrary(CLibrary& library, COptions& options, QWidget* parent)
    : ModalDialog(parent), library_(library), options_(options), libraryCount_(library.Catalogue().Count())
{
    setObjectName("TFormLibrary");
    setWindowTitle(DesignedText(LibraryTexts, CaptionKey));
    setWindowFlag(Qt::Tool);
    resize(560, 376);

    ObjectsView = Named<QListWidget>("ObjectsView");
    ObjectsView->setViewMode(QListView::IconMode);
    ObjectsView->setIconSize({IconSize, IconSize});
    ObjectsView->setGridSize(IconCell);
    ObjectsView->setResizeMode(QListView::Adjust);
    ObjectsView->setMovement(QListView::Static);
    ObjectsView->setWordWrap(true);
    ObjectsView->setSpacing(4);
    ObjectsView->setSelectionMode(QAbstractItemView::SingleSelection);
    ObjectsView->installEventFilter(this);
    ObjectsView->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakeTopBar());
    layout->addWidget(ObjectsView);

    connect(CbLibraries, &QComboBox::currentIndexChanged, this, &TFormLibrary::ShowCategory);
    connect(BtnAddSimple, &QPushButton::clicked, this, [this] { done(ResultAddBasic); });
    connect(BtnCancel, &QPushButton::clicked, this, &TFormLibrary::reject);
    connect(ObjectsView, &QListWidget::itemDoubleClicked, this, [this] { chooseOnRelease_ = true; });
}

QWidget* TFormLibrary::MakeTopBar()
{
    LbSelectObject = Designed<QLabel>(LibraryTexts, SelectObjectKey);
    CbLibraries = Named<QComboBox>("CbLibraries");
    CbLibraries->setMaxVisibleItems(ComboRows);
    FillCategories();
    LbSelectObject->setBuddy(CbLibraries);
    LbOr = Designed<QLabel>(LibraryTexts, OrKey);
    BtnAddSimple = Designed<QPushButton>(LibraryTexts, AddSimpleKey);
    BtnCancel = Named<QPushButton>("BtnCancel", ToQString(EnglishMessage(MsgCancel)));
    // Enter belongs to the icon view, where it chooses the object.
    BtnAddSimple->setAutoDefault(false);
    BtnCancel->setAutoDefault(false);

    Panel1 = Named<QWidget>("Panel1");
    Panel1->setFixedHeight(TopBarHeight);
    auto* bar = new QHBoxLayout(Panel1);
    bar->setContentsMargins(6, 0, 6, 0);
    bar->addWidget(LbSelectObject);
    bar->addWidget(CbLibraries);
    bar->addWidget(LbOr);
    bar->addWidget(BtnAddSimple);
    bar->addStretch();
    bar->addWidget(BtnCancel);
    return Panel1;
}

void TFormLibrary::FillCategories()
{
    if (CbLibraries->count() > 0)
        return;
    for (int category = 0; category < LibCategoryCount; ++category)
        CbLibraries->addItem(ToQString(LibCategoryTitle(category)));
}

void TFormLibrary::SetRoom(const CRoom& room)
{
    unit_ = room.Unit;
}

void TFormLibrary::GetSelectedPart(CPart& target) const
{
    const int32_t x = target.PosX;
    const int32_t y = target.PosY;
    target = PartFromCatalogueEntry(library_.Catalogue().Entry(selected_), unit_);
    target.Caption.clear();
    target.PosX = x;
    target.PosY = y;
    target.InvalidateCorners();
}

// Every showing lists the user's catalogue as its file holds it now.
void TFormLibrary::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        CPartsCatalogue& catalogue = library_.Catalogue();
        catalogue.Truncate(libraryCount_);
        catalogue.Load(UserCataloguePath(), true, codePageHint_);
        const int page = options_.LastLibraryPage;
        const int category = page >= 0 && page < LibCategoryCount ? page : 0;
        {
            const QSignalBlocker quiet(CbLibraries);
            CbLibraries->setCurrentIndex(category);
        }
        ShowCategory(category);
        selected_ = -1;
        ObjectsView->setFocus();
    }
    QDialog::showEvent(event);
}

void TFormLibrary::ShowCategory(int category)
{
    options_.LastLibraryPage = category;
    ObjectsView->clear();
    const CPartsCatalogue& catalogue = library_.Catalogue();
    for (int index = 0; index < catalogue.Count(); ++index) {
        const CPart& entry = catalogue.Entry(index);
        if (!ListedInCategory(entry, category))
            continue;
        auto* item = new QListWidgetItem(IconOf(entry), ToQString(LibraryItemText(entry, unit_)), ObjectsView);
        item->setData(EntryRole, index);
        item->setToolTip(item->text());
    }
    ObjectsView->scrollToTop();
}

QIcon TFormLibrary::IconOf(const CPart& entry) const
{
    // In the screen's pixels, so that the symbol shows as finely as the screen can.
    const qreal ratio = ObjectsView->devicePixelRatioF();
    QImage image(QSize(IconSize, IconSize) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    {
        QtCanvas canvas(image);
        DrawLibraryIcon(canvas, entry, FromQColor(ObjectsView->palette().color(QPalette::Base)));
    }
    return QIcon(QPixmap::fromImage(image));
}

// Enter chooses the selected object; with none selected it does nothing.
// A double click chooses at its release: closed at the press, the chooser would leave the
// release to the plan below, where the new object waits to be placed.
bool TFormLibrary::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ObjectsView->viewport() && event->type() == QEvent::MouseButtonRelease && chooseOnRelease_) {
        chooseOnRelease_ = false;
        Choose();
        return true;
    }
    if (watched == ObjectsView && event->type() == QEvent::KeyPress) {
        const int key = static_cast<const QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Choose();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormLibrary::Choose()
{
    const QList<QListWidgetItem*> chosen = ObjectsView->selectedItems();
    if (chosen.isEmpty())
        return;
    selected_ = chosen.front()->data(EntryRole).toInt();
    done(ResultOk);
}
