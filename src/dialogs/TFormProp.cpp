#include "dialogs/TFormProp.h"

#include "dialogs/ErrorReport.h"
#include "dialogs/RotationDial.h"

#include "dialogs/ColourSwatch.h"
#include "dialogs/Explore3DGeometry.h"
#include "dialogs/PreviewBackground.h"
#include "dialogs/TFormRename.h"
#include "library/CatalogueFiles.h"
#include "localize/Messages.h"
#include "model/CRoom.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "platform/Prompts.h"
#include "platform/QtCanvas.h"
#include "platform/QtConversions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace {

enum TextKey {
    CaptionKey = 1,
    BrowseCaptionKey = 2,
    TypeKey = 3,
    CaptionLabelKey = 4,
    WidthKey = 5,
    LengthKey = 6,
    PositionKey = 7,
    RotationKey = 8,
    PreviewKey = 9,
    ColorsKey = 10,
    LineKey = 11,
    FillKey = 12,
    TextColorKey = 13,
    CatalogueGroupKey = 14,
    CatalogueButtonKey = 15,
    NameColumnKey = 16,
    SizeColumnKey = 17,
    LoadKey = 18,
    SaveKey = 19,
    SnapKey = 20,
    RemoveKey = 21,
    LineStyleKey = 22,
    SolidKey = 23,
    DashedKey = 24,
    RenameKey = 25,
    ZHeightKey = 26,
};

// The captions and list texts depend on the mode and are set at every showing.
constexpr DialogText PropTexts[] = {
    {CaptionKey, nullptr, TextRole::LookedUp, "Object Properties"},
    {BrowseCaptionKey, nullptr, TextRole::LookedUp, "Browse and Edit User library"},
    {TypeKey, "LbType", TextRole::Caption, "Type:"},
    {CaptionLabelKey, "LbCaption", TextRole::Caption, "Caption:"},
    {WidthKey, "LbWidth", TextRole::Caption, "Width:"},
    {LengthKey, "LbHeight", TextRole::Caption, "Length:"},
    {PositionKey, "LbPos", TextRole::Caption, "Position"},
    {PositionKey, "LbPos2", TextRole::Caption, "Position"},
    {RotationKey, "LbRotation", TextRole::Caption, "Rotation:"},
    {PreviewKey, "LbPreview", TextRole::Caption, "Preview"},
    {ColorsKey, "GroupBoxColors", TextRole::Caption, "Colors"},
    {LineKey, "ChkLine", TextRole::Caption, "Line:"},
    {FillKey, "ChkFill", TextRole::Caption, "Fill:"},
    {TextColorKey, "ChkTextColor", TextRole::Caption, "Caption:"},
    {CatalogueGroupKey, "GroupBoxCatalogue", TextRole::Caption, "User library"},
    {CatalogueButtonKey, nullptr, TextRole::LookedUp, "User library"},
    {NameColumnKey, nullptr, TextRole::LookedUp, "Name"},
    {SizeColumnKey, nullptr, TextRole::LookedUp, "Size"},
    {LoadKey, "BtnLoad", TextRole::Caption, "<- Load"},
    {SaveKey, "BtnSave", TextRole::Caption, "Save ->"},
    {SnapKey, "ChkSnap", TextRole::Caption, "Snap to wall"},
    {RemoveKey, "Odeberzkatalogu1", TextRole::Caption, "Remove Object"},
    {LineStyleKey, "LbLineStyle", TextRole::Caption, "Style:"},
    {SolidKey, nullptr, TextRole::LookedUp, "Solid"},
    {DashedKey, nullptr, TextRole::LookedUp, "Dashed"},
    {RenameKey, "Rename1", TextRole::Caption, "Rename Object"},
    {ZHeightKey, "LbHeight2", TextRole::Caption, "Height:"},
};

// The types offered in the type list, by their values.
constexpr int ChoosableTypes = Window + 1;
constexpr int EntryRole = Qt::UserRole;

QString Text(int key)
{
    return LookedUpText(TFormProp::Section, PropTexts, key);
}

std::optional<Colour> ColourOf(const QCheckBox* box, const ColourSwatch* swatch)
{
    return box->isChecked() ? std::optional<Colour>(swatch->Value()) : std::nullopt;
}

QLabel* BuddyLabel(QLabel* label, QWidget* buddy)
{
    label->setBuddy(buddy);
    return label;
}

// The shaded face of the preview and the dial, in the dialog's colours.
void DrawFace(Canvas& canvas, int rowsPerLevel, const QPalette& palette)
{
    DrawPreviewBackground(canvas, rowsPerLevel, FromQColor(palette.color(QPalette::Button)),
                          FromQColor(palette.color(QPalette::Dark)));
}

QLabel* Picture(const char* name, int width, int height)
{
    auto* picture = Named<QLabel>(name);
    picture->setFixedSize(width, height);
    return picture;
}

}  // namespace

std::span<const DialogText> TFormProp::Texts()
{
    return PropTexts;
}

TFormProp::TFormProp(Prompts& prompts, TFormRename& renamePrompt, QWidget* parent)
    : ModalDialog(parent, HelpContext), prompts_(prompts), renamePrompt_(renamePrompt),
      cataloguePath_(UserCataloguePath())
{
    setObjectName("TFormProp");
    MigrateLegacyCatalogue();
    auto* panes = new QHBoxLayout;
    panes->addLayout(MakePlacementFields());
    panes->addLayout(MakeLooks());
    panes->addWidget(MakeCatalogueGroup());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes);
    layout->addWidget(MakeButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ShowCatalogue(false);
    ConnectControls();
}

QLayout* TFormProp::MakePlacementFields()
{
    CBType = Named<QComboBox>("CBType");
    for (int type = 0; type < ChoosableTypes; ++type)
        CBType->addItem(ToQString(DisplayName(type, 0)));
    EdCaption = Named<QLineEdit>("EdCaption");
    EdWidth = Named<QLineEdit>("EdWidth");
    EdHeight = Named<QLineEdit>("EdHeight");
    EdPosX = Named<QLineEdit>("EdPosX");
    EdPosY = Named<QLineEdit>("EdPosY");
    EdRotation = Named<QLineEdit>("EdRotation");
    ImgRot = Picture("ImgRot", DialSize, DialSize);
    ImgRot->setCursor(Qt::CrossCursor);
    ImgRot->installEventFilter(this);
    LbType = BuddyLabel(Designed<QLabel>(PropTexts, TypeKey), CBType);
    LbCaption = BuddyLabel(Designed<QLabel>(PropTexts, CaptionLabelKey), EdCaption);
    LbWidth = BuddyLabel(Designed<QLabel>(PropTexts, WidthKey), EdWidth);
    LbHeight = BuddyLabel(Designed<QLabel>(PropTexts, LengthKey), EdHeight);
    LbPos = BuddyLabel(Designed<QLabel>(PropTexts, PositionKey), EdPosX);
    LbRotation = BuddyLabel(Designed<QLabel>(PropTexts, RotationKey), EdRotation);
    LbUnit1 = Named<QLabel>("LbUnit1");
    LbUnit2 = Named<QLabel>("LbUnit2");
    LbUnit3 = Named<QLabel>("LbUnit3");
    LbUnit4 = Named<QLabel>("LbUnit4");
    auto* fields = new QGridLayout;
    fields->addWidget(LbType, 0, 0);
    fields->addWidget(CBType, 0, 1, 1, 4);
    fields->addWidget(LbCaption, 1, 0);
    fields->addWidget(EdCaption, 1, 1, 1, 4);
    fields->addWidget(LbWidth, 2, 0);
    fields->addWidget(EdWidth, 2, 1);
    fields->addWidget(LbUnit1, 2, 2);
    fields->addWidget(LbHeight, 3, 0);
    fields->addWidget(EdHeight, 3, 1);
    fields->addWidget(LbUnit2, 3, 2);
    fields->addWidget(LbPos, 4, 0);
    fields->addWidget(EdPosX, 4, 1);
    fields->addWidget(LbUnit3, 4, 2);
    fields->addWidget(EdPosY, 4, 3);
    fields->addWidget(LbUnit4, 4, 4);
    fields->addWidget(LbRotation, 5, 0);
    fields->addWidget(EdRotation, 5, 1);
    fields->addWidget(new QLabel(QString::fromUtf8("°")), 5, 2);
    fields->addWidget(ImgRot, 5, 3);

    auto* placing = new QVBoxLayout;
    placing->addLayout(fields);
    placing->addWidget(Make3DGroup());
    ChkSnap = Designed<QCheckBox>(PropTexts, SnapKey);
    placing->addWidget(ChkSnap);
    placing->addStretch();
    return placing;
}

QGroupBox* TFormProp::Make3DGroup()
{
    EdPosZ = Named<QLineEdit>("EdPosZ");
    EdZHeight = Named<QLineEdit>("EdZHeight");
    LbPos2 = BuddyLabel(Named<QLabel>("LbPos2", DesignedText(PropTexts, PositionKey)), EdPosZ);
    LbHeight2 = BuddyLabel(Designed<QLabel>(PropTexts, ZHeightKey), EdZHeight);
    LbUnit5 = Named<QLabel>("LbUnit5");
    LbUnit6 = Named<QLabel>("LbUnit6");
    GroupBox3D = Named<QGroupBox>("GroupBox3D", ToQString(Msg(Msg3D)));
    auto* fields = new QGridLayout(GroupBox3D);
    fields->addWidget(LbPos2, 0, 0);
    fields->addWidget(EdPosZ, 0, 1);
    fields->addWidget(LbUnit5, 0, 2);
    fields->addWidget(LbHeight2, 1, 0);
    fields->addWidget(EdZHeight, 1, 1);
    fields->addWidget(LbUnit6, 1, 2);
    return GroupBox3D;
}

// The colours, the line style and the preview.
QLayout* TFormProp::MakeLooks()
{
    ChkLine = Designed<QCheckBox>(PropTexts, LineKey);
    ChkFill = Designed<QCheckBox>(PropTexts, FillKey);
    ChkTextColor = Designed<QCheckBox>(PropTexts, TextColorKey);
    ImgColor = Named<ColourSwatch>("ImgColor", prompts_);
    ImgFill = Named<ColourSwatch>("ImgFill", prompts_);
    ImgTextColor = Named<ColourSwatch>("ImgTextColor", prompts_);
    ImgFill->SetValue(0xFFFFFF);
    swatches_ = {ImgColor, ImgFill, ImgTextColor};
    for (ColourSwatch* swatch : swatches_)
        swatch->installEventFilter(this);
    CbLineStyle = Named<QComboBox>("CbLineStyle");
    // Its items are named in the interface language at every showing: room for the longer
    // words of other languages.
    CbLineStyle->setMinimumContentsLength(14);
    CbLineStyle->addItems({DesignedText(PropTexts, SolidKey), DesignedText(PropTexts, DashedKey)});
    LbLineStyle = BuddyLabel(Designed<QLabel>(PropTexts, LineStyleKey), CbLineStyle);
    GroupBoxColors = Designed<QGroupBox>(PropTexts, ColorsKey);
    auto* colours = new QGridLayout(GroupBoxColors);
    colours->addWidget(ChkLine, 0, 0);
    colours->addWidget(ImgColor, 0, 1);
    colours->addWidget(ChkFill, 1, 0);
    colours->addWidget(ImgFill, 1, 1);
    colours->addWidget(ChkTextColor, 2, 0);
    colours->addWidget(ImgTextColor, 2, 1);
    colours->addWidget(LbLineStyle, 3, 0);
    colours->addWidget(CbLineStyle, 3, 1);

    LbPreview = Designed<QLabel>(PropTexts, PreviewKey);
    ImgPreview = Picture("ImgPreview", PreviewWidth, PreviewHeight);
    auto* looks = new QVBoxLayout;
    looks->addWidget(GroupBoxColors);
    looks->addWidget(LbPreview);
    looks->addWidget(ImgPreview);
    looks->addStretch();
    return looks;
}

// The list of the user's objects with their pop-up menu, whose commands F2 and Delete also
// give on the list.
QGroupBox* TFormProp::MakeCatalogueGroup()
{
    CatList = Named<QTreeWidget>("CatList");
    CatList->setColumnCount(2);
    CatList->setRootIsDecorated(false);
    CatList->setSelectionBehavior(QAbstractItemView::SelectRows);
    CatList->setSelectionMode(QAbstractItemView::SingleSelection);
    CatList->setSortingEnabled(true);
    CatList->sortByColumn(0, Qt::AscendingOrder);
    CatList->setContextMenuPolicy(Qt::CustomContextMenu);
    Odeberzkatalogu1 = Designed<QAction>(PropTexts, RemoveKey);
    Rename1 = Designed<QAction>(PropTexts, RenameKey);
    Odeberzkatalogu1->setShortcut(QKeySequence::Delete);
    Rename1->setShortcut(Qt::Key_F2);
    for (QAction* action : {Odeberzkatalogu1, Rename1}) {
        action->setParent(CatList);
        action->setShortcutContext(Qt::WidgetShortcut);
        CatList->addAction(action);
    }
    PopupMenu1 = Named<QMenu>("PopupMenu1", this);
    PopupMenu1->addActions({Odeberzkatalogu1, Rename1});

    BtnLoad = Designed<QPushButton>(PropTexts, LoadKey);
    BtnSave = Designed<QPushButton>(PropTexts, SaveKey);
    BtnLoad->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtnLoad);
    buttons->addWidget(BtnSave);
    GroupBoxCatalogue = Designed<QGroupBox>(PropTexts, CatalogueGroupKey);
    auto* catalogue = new QVBoxLayout(GroupBoxCatalogue);
    catalogue->addWidget(CatList);
    catalogue->addLayout(buttons);
    return GroupBoxCatalogue;
}

QDialogButtonBox* TFormProp::MakeButtons()
{
    BtnCatalogue = Named<QPushButton>("BtnCatalogue");
    auto* buttons = MakeButtonBox(true);
    buttons->addButton(BtnCatalogue, QDialogButtonBox::ActionRole);
    return buttons;
}

void TFormProp::ConnectControls()
{
    for (QLineEdit* edit : {EdCaption, EdWidth, EdHeight, EdPosX, EdPosY, EdRotation, EdPosZ, EdZHeight})
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { FieldChanged(edit); });
    for (QCheckBox* box : {ChkSnap, ChkLine, ChkFill, ChkTextColor})
        connect(box, &QCheckBox::toggled, this, [this, box] { FieldChanged(box); });
    connect(CbLineStyle, &QComboBox::currentIndexChanged, this, [this] { FieldChanged(CbLineStyle); });
    connect(CBType, &QComboBox::currentIndexChanged, this, &TFormProp::TypeChanged);
    // Leaving the rotation shows the angle the object takes, an ellipse's snapped one.
    connect(EdRotation, &QLineEdit::editingFinished, this,
            [this] { EdRotation->setText(QString::number(working_.Rotation)); });
    connect(BtnCatalogue, &QPushButton::clicked, this, [this] { ShowCatalogue(GroupBoxCatalogue->isHidden()); });
    connect(CatList, &QTreeWidget::itemSelectionChanged, this, [this] { BtnLoad->setEnabled(SelectedEntry() >= 0); });
    connect(CatList, &QTreeWidget::itemDoubleClicked, this, &TFormProp::LoadClicked);
    connect(CatList, &QTreeWidget::customContextMenuRequested, this, &TFormProp::ListMenuRequested);
    connect(BtnLoad, &QPushButton::clicked, this, &TFormProp::LoadClicked);
    connect(BtnSave, &QPushButton::clicked, this, &TFormProp::SaveClicked);
    connect(Odeberzkatalogu1, &QAction::triggered, this, &TFormProp::RemoveClicked);
    connect(Rename1, &QAction::triggered, this, &TFormProp::RenameClicked);
    connect(BtnOK, &QPushButton::clicked, this, [this] { done(ResultOk); });
    connect(BtnCancel, &QPushButton::clicked, this, &TFormProp::reject);
}

void TFormProp::SetRoom(const CRoom& room)
{
    room_ = ObjectRoomOf(room);
}

void TFormProp::SetPart(const CPart& source, bool keepPosition)
{
    working_ = source;
    {
        const QScopedValueRollback quiet(loading_, true);
        const bool listed = working_.Type >= 0 && working_.Type < ChoosableTypes;
        CBType->setCurrentIndex(listed ? working_.Type : -1);
        EdCaption->setText(ToQString(working_.Caption));
        EdWidth->setText(QString::number(working_.Width));
        EdHeight->setText(QString::number(working_.Height));
        EdZHeight->setText(QString::number(working_.ZHeight));
        if (!keepPosition) {
            EdPosX->setText(QString::number(ShownPosX(working_, room_)));
            EdPosY->setText(QString::number(ShownPosY(working_, room_)));
            EdPosZ->setText(QString::number(working_.PosZ));
            EdRotation->setText(QString::number(working_.Rotation));
        }
        ShowColour(ChkLine, ImgColor, working_.LineColor);
        ShowColour(ChkFill, ImgFill, working_.FillColor);
        ShowColour(ChkTextColor, ImgTextColor, working_.TextColor);
        CbLineStyle->setCurrentIndex(working_.LineStyle == 1 ? 1 : 0);
        ChkSnap->setChecked(working_.SnapToWallFlag);
    }
    if (browseMode_)
        working_.Rotation = 0;
    UpdateTypeControls();
    RedrawPreview();
}

// Browsing shows objects unturned, as the catalogue keeps them.
void TFormProp::ClearFields()
{
    working_.Rotation = 0;
    const QScopedValueRollback quiet(loading_, true);
    for (QLineEdit* edit : {EdCaption, EdWidth, EdHeight, EdZHeight})
        edit->clear();
    for (QLineEdit* edit : {EdPosX, EdPosY, EdPosZ, EdRotation})
        edit->setText("--");
}

void TFormProp::ApplyToPart(CPart& target) const
{
    ApplyFields(ReadFields(), room_, target);
}

void TFormProp::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        ReadFailure failure = ReadFailure::Unreadable;
        if (!catalogue_.Load(cataloguePath_, false, codePageHint_, &failure))
            ReportError(prompts_, CannotReadText(failure, cataloguePath_));
        ShowCatalogue(browseMode_);
        ShowMode();
        ShowListTexts();
        ShowUnits();
        FillList();
        RedrawPreview();
        if (browseMode_)
            CatList->setFocus();
        else
            EdCaption->setFocus();
    }
    QDialog::showEvent(event);
}

// The dial follows the pointer while the left button is down on it. A swatch tells nothing
// when it takes a new colour, so it handles its clicks and keys here, where the preview can
// follow.
bool TFormProp::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == ImgRot && (type == QEvent::MouseButtonPress || type == QEvent::MouseMove)) {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        if (!(mouse->buttons() & Qt::LeftButton))
            return false;
        PointDial(mouse->position().toPoint(), mouse->modifiers());
        return true;
    }
    const auto swatch = std::find(swatches_.begin(), swatches_.end(), watched);
    if (swatch != swatches_.end() && (type == QEvent::MouseButtonRelease || type == QEvent::KeyPress)) {
        const Colour before = (*swatch)->Value();
        watched->event(event);
        if ((*swatch)->Value() != before)
            FieldChanged(*swatch);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// Doors and round objects are square, and an ellipse stands at a multiple of 90 degrees: the
// fields follow what the object takes.
void TFormProp::FieldChanged(const QObject* source)
{
    if (loading_)
        return;
    RedrawPreview();
    const QScopedValueRollback quiet(loading_, true);
    if (working_.Type == Door || working_.ShapeType() == Circle)
        EdHeight->setText(EdWidth->text());
    if (working_.ShapeType() == Ellipse && source != EdRotation && EdRotation->isEnabled())
        EdRotation->setText(QString::number(working_.Rotation));
}

void TFormProp::TypeChanged()
{
    if (loading_)
        return;
    UpdateTypeControls();
    FieldChanged(CBType);
}

void TFormProp::UpdateTypeControls()
{
    const std::optional<TypeControls> controls = TypeControlsFor(CBType->currentIndex(), working_);
    if (!controls)
        return;
    const QScopedValueRollback quiet(loading_, true);
    CBType->setEnabled(controls->typeChoosable);
    if (!browseMode_) {
        if (controls->rotationFixed)
            EdRotation->setText("0");
        EdRotation->setEnabled(!controls->rotationFixed);
        ImgRot->setEnabled(!controls->rotationFixed);
    }
    if (!controls->fillOffered)
        ChkFill->setChecked(false);
    ChkFill->setEnabled(controls->fillOffered);
    ImgFill->setEnabled(controls->fillOffered);
    EdHeight->setEnabled(controls->heightOffered);
    if (controls->heightShowsWallThickness)
        EdHeight->setText(QString::number(room_.wallThickness));
    ChkSnap->setEnabled(controls->snapOffered);
    if (controls->snapTicked)
        ChkSnap->setChecked(*controls->snapTicked);
}

void TFormProp::ShowMode()
{
    for (QWidget* placement : std::initializer_list<QWidget*>{EdPosX, EdPosY, EdPosZ, EdRotation, ImgRot})
        placement->setEnabled(!browseMode_);
    setWindowTitle(Text(browseMode_ ? BrowseCaptionKey : CaptionKey));
    BtnOK->setText(ToQString(Msg(browseMode_ ? MsgClose : MsgOk)));
    BtnCancel->setEnabled(!browseMode_);
    BtnCatalogue->setEnabled(!browseMode_);
    // A window's rotation stays fixed in edit mode.
    UpdateTypeControls();
}

// The texts that follow the interface language without being any control's caption.
void TFormProp::ShowListTexts()
{
    for (int type = 0; type < ChoosableTypes; ++type)
        CBType->setItemText(type, ToQString(DisplayName(type, 0)));
    CbLineStyle->setItemText(0, Text(SolidKey));
    CbLineStyle->setItemText(1, Text(DashedKey));
    CatList->setHeaderLabels({Text(NameColumnKey), Text(SizeColumnKey)});
}

void TFormProp::ShowUnits()
{
    const QString unit = ToQString(UnitAt(room_.unit).abbreviation);
    for (QLabel* label : {LbUnit1, LbUnit2, LbUnit5, LbUnit6})
        label->setText(unit);
    for (QLabel* label : {LbUnit3, LbUnit4})
        label->setText(room_.userCoord ? unit + " L" : unit);
}

void TFormProp::ShowColour(QCheckBox* box, ColourSwatch* swatch, Colour colour)
{
    box->setChecked(colour != NoColour);
    if (colour != NoColour)
        swatch->SetValue(colour);
}

ObjectFields TFormProp::ReadFields() const
{
    ObjectFields fields;
    fields.type = CBType->currentIndex();
    fields.caption = TextOf(EdCaption);
    fields.posX = TextOf(EdPosX);
    fields.posY = TextOf(EdPosY);
    fields.posZ = TextOf(EdPosZ);
    fields.width = TextOf(EdWidth);
    fields.height = TextOf(EdHeight);
    fields.zHeight = TextOf(EdZHeight);
    fields.rotation = TextOf(EdRotation);
    fields.lineColour = ColourOf(ChkLine, ImgColor);
    fields.fillColour = ColourOf(ChkFill, ImgFill);
    fields.textColour = ColourOf(ChkTextColor, ImgTextColor);
    fields.lineStyle = CbLineStyle->currentIndex();
    fields.snapToWall = ChkSnap->isChecked();
    return fields;
}

// Draws the object as the fields describe it, which also brings the working object up to date.
void TFormProp::RedrawPreview()
{
    // In the screen's pixels, so that the object shows as finely as the screen can.
    const qreal ratio = ImgPreview->devicePixelRatioF();
    QImage image(QSize(PreviewWidth, PreviewHeight) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    {
        QtCanvas canvas(image);
        DrawFace(canvas, qRound(4 * ratio), palette());
        if (CBType->currentIndex() >= 0 || working_.Type == LibraryObject) {
            ApplyToPart(working_);
            DrawObjectPreview(canvas, working_, ratio);
        }
    }
    ImgPreview->setPixmap(QPixmap::fromImage(image));
    RedrawDial();
}

void TFormProp::RedrawDial()
{
    ImgRot->setPixmap(RotationDialPixmap(DialSize, working_.Rotation, palette()));
}

void TFormProp::PointDial(QPoint pixel, Qt::KeyboardModifiers modifiers)
{
    if (browseMode_ || !ImgRot->isEnabled())
        return;
    const int32_t angle = DialAngle(pixel.x() - DialSize / 2, pixel.y() - DialSize / 2,
                                    modifiers.testFlag(Qt::ShiftModifier));
    EdRotation->setText(QString::number(angle));
}

void TFormProp::ShowCatalogue(bool shown)
{
    GroupBoxCatalogue->setVisible(shown);
    GroupBoxCatalogue->setEnabled(shown);
    BtnCatalogue->setText(Text(CatalogueButtonKey) + (shown ? " <<" : " >>"));
}

void TFormProp::FillList()
{
    CatList->clear();
    const std::string objectWord = Msg(MsgObject);
    for (int i = 0; i < catalogue_.Count(); ++i) {
        const CPart& entry = catalogue_.Entry(i);
        if (!entry.InUse)
            continue;
        auto* row = new QTreeWidgetItem({ToQString(CatalogueRowName(entry, i, objectWord)),
                                         ToQString(CatalogueRowSize(entry, room_.unit))});
        row->setData(0, EntryRole, i);
        CatList->addTopLevelItem(row);
    }
    BtnLoad->setEnabled(false);
}

int TFormProp::SelectedEntry() const
{
    const QList<QTreeWidgetItem*> rows = CatList->selectedItems();
    return rows.isEmpty() ? -1 : rows.front()->data(0, EntryRole).toInt();
}

void TFormProp::LoadClicked()
{
    const int index = SelectedEntry();
    if (index >= 0)
        SetPart(PartFromCatalogueEntry(catalogue_.Entry(index), room_.unit), true);
}

void TFormProp::SaveClicked()
{
    if (IsBlankName(TextOf(EdCaption))) {
        ReportError(prompts_, Msg(MsgBlankCaption));
        EdCaption->setFocus();
        return;
    }
    ApplyToPart(working_);
    if (StoreInCatalogue(catalogue_, working_, room_.unit, [this] { return ConfirmOverwrite(); }))
        CatalogueChanged();
}

void TFormProp::ListMenuRequested(const QPoint& at)
{
    QTreeWidgetItem* row = CatList->itemAt(at);
    if (!row)
        return;
    CatList->setCurrentItem(row);
    PopupMenu1->exec(CatList->viewport()->mapToGlobal(at));
}

void TFormProp::RemoveClicked()
{
    const int index = SelectedEntry();
    if (index < 0)
        return;
    catalogue_.Remove(index);
    CatalogueChanged();
}

void TFormProp::RenameClicked()
{
    const int index = SelectedEntry();
    if (index < 0)
        return;
    const std::optional<std::string> name = renamePrompt_.AskName(catalogue_.Entry(index).Caption);
    if (name && RenameCatalogueEntry(catalogue_, index, *name, [this] { return ConfirmOverwrite(); }))
        CatalogueChanged();
}

bool TFormProp::ConfirmOverwrite()
{
    return prompts_.Message(Msg(MsgWarning), Msg(MsgOverwriteObject), PromptIcon::Question, ButtonYes | ButtonNo)
           == ButtonYes;
}

// The file is rewritten at once, so that it always holds what the list shows. When it cannot
// be written the list keeps the change until the next showing reads the file again.
void TFormProp::CatalogueChanged()
{
    FillList();
    try {
        catalogue_.Save(cataloguePath_);
    } catch (const FileWriteError& error) {
        ReportError(prompts_, error.what());
    }
}
