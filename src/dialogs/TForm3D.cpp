#include "dialogs/TForm3D.h"

#include "dialogs/RotationDial.h"

#include "dialogs/DialogTexts.h"
#include "dialogs/Explore3DGeometry.h"
#include "dialogs/LocalCoordinates.h"
#include "dialogs/RoomDialogRules.h"
#include "localize/Messages.h"
#include "output/ImageExport.h"
#include "platform/COptions.h"
#include "platform/QtConversions.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// The dialog's texts as designed, by their keys in the language files' section "Explore3DDlg";
// the buttons take the common messages. The walls choices are replaced by position, so that
// the index keeps its meaning: 0 shows the walls, 1 leaves them out.
enum TextKey {
    CaptionKey = 1,
    LbWallsTranspKey = 2,
    SolidKey = 3,
    InvisibleKey = 4,
    LbRotationKey = 5,
    LbZoomKey = 6,
    BoxOptionsKey = 7,
    BoxStartKey = 8,
    LbHintKey = 9,
    LbClickObrKey = 10,
};
constexpr DialogText Explore3DTexts[] = {
    {CaptionKey, "TForm3D", TextRole::Caption, "Explore in 3D - Setup"},
    {LbWallsTranspKey, "LbWallsTransp", TextRole::Caption, "Walls transparency:"},
    {SolidKey, nullptr, TextRole::LookedUp, "Solid"},
    {InvisibleKey, nullptr, TextRole::LookedUp, "Invisible"},
    {LbRotationKey, "LbRotation", TextRole::Caption, "Rotation:"},
    {LbZoomKey, "LbZoom", TextRole::Caption, "Zoom:"},
    {BoxOptionsKey, "BoxOptions", TextRole::Caption, "Options"},
    {BoxStartKey, "BoxStart", TextRole::Caption, "Start Position"},
    {LbHintKey, "LbHint", TextRole::Caption,
     "You will need a VRML viewer. Please see help where to get it and how to change its preferences to "
     "achieve the best results."},
    {LbClickObrKey, "LbClickObr", TextRole::Caption, "Select in the drawing"},
};

constexpr int DialSize = 40;
// The start's mark on the preview: a ring with a needle pointing the way the walk starts.
constexpr int MarkRadius = 3;
constexpr int MarkNeedle = 12;
const QColor MarkColour(0xE0, 0, 0);

QLabel* LabelFor(QWidget* buddy, QLabel* label)
{
    label->setBuddy(buddy);
    return label;
}

void DrawNeedle(QPainter& painter, Point centre, int32_t length, int32_t degrees)
{
    const Point end = NeedleEnd(centre, length, degrees);
    painter.drawLine(centre.x, centre.y, end.x, end.y);
}

}  // namespace

TForm3D::TForm3D(QWidget* parent)
    : ModalDialog(parent, HelpContext)
{
    setObjectName("TForm3D");
    setWindowTitle(DesignedText(Explore3DTexts, CaptionKey));

    LbHint = Designed<QLabel>(Explore3DTexts, LbHintKey);
    LbHint->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LbHint);
    layout->addWidget(MakeStartGroup());
    layout->addWidget(MakeOptionsGroup());
    layout->addWidget(MakeButtonBox(true));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(EdPosX, &QLineEdit::textChanged, this, &TForm3D::RedrawPreview);
    connect(EdPosY, &QLineEdit::textChanged, this, &TForm3D::RedrawPreview);
    connect(EdRotation, &QLineEdit::textChanged, this, [this] {
        RedrawDial();
        RedrawPreview();
    });
    connect(BtnOK, &QPushButton::clicked, this, [this] { done(ResultOk); });
    connect(BtnCancel, &QPushButton::clicked, this, &TForm3D::reject);
}

QGroupBox* TForm3D::MakeStartGroup()
{
    ImgPlan = Named<QLabel>("ImgPlan");
    ImgPlan->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ImgPlan->setCursor(Qt::CrossCursor);
    ImgPlan->installEventFilter(this);
    EdPosX = Named<QLineEdit>("EdPosX");
    EdPosY = Named<QLineEdit>("EdPosY");
    EdRotation = Named<QLineEdit>("EdRotation");
    ImgPreview = Named<QLabel>("ImgPreview");
    ImgPreview->setFixedSize(DialSize, DialSize);
    ImgPreview->setCursor(Qt::CrossCursor);
    ImgPreview->installEventFilter(this);
    auto* start = Designed<QGroupBox>(Explore3DTexts, BoxStartKey);
    auto* fields = new QGridLayout;
    fields->addWidget(LabelFor(EdPosX, new QLabel("x:")), 0, 0);
    fields->addWidget(EdPosX, 0, 1);
    fields->addWidget(LabelFor(EdPosY, new QLabel("y:")), 1, 0);
    fields->addWidget(EdPosY, 1, 1);
    fields->addWidget(LabelFor(EdRotation, Designed<QLabel>(Explore3DTexts, LbRotationKey)), 2, 0);
    fields->addWidget(EdRotation, 2, 1);
    fields->addWidget(new QLabel(QString::fromUtf8("°")), 2, 2);
    fields->addWidget(ImgPreview, 3, 1);
    fields->setRowStretch(4, 1);
    auto* startLayout = new QGridLayout(start);
    startLayout->addWidget(Designed<QLabel>(Explore3DTexts, LbClickObrKey), 0, 0);
    startLayout->addWidget(ImgPlan, 1, 0);
    startLayout->addLayout(fields, 1, 1);
    return start;
}

QGroupBox* TForm3D::MakeOptionsGroup()
{
    CbWallsTransp = Named<QComboBox>("CbWallsTransp");
    // Its items are named in the interface language at every showing: room for the longer
    // words of other languages.
    CbWallsTransp->setMinimumContentsLength(16);
    CbWallsTransp->addItems({DesignedText(Explore3DTexts, SolidKey), DesignedText(Explore3DTexts, InvisibleKey)});
    EdZoom = Named<QLineEdit>("EdZoom");
    auto* options = Designed<QGroupBox>(Explore3DTexts, BoxOptionsKey);
    auto* optionsLayout = new QHBoxLayout(options);
    optionsLayout->addWidget(LabelFor(CbWallsTransp, Designed<QLabel>(Explore3DTexts, LbWallsTranspKey)));
    optionsLayout->addWidget(CbWallsTransp);
    optionsLayout->addSpacing(16);
    optionsLayout->addWidget(LabelFor(EdZoom, Designed<QLabel>(Explore3DTexts, LbZoomKey)));
    optionsLayout->addWidget(EdZoom);
    optionsLayout->addWidget(new QLabel("%"));
    optionsLayout->addStretch();
    return options;
}

void TForm3D::Load(const CRoom& room, const COptions& options)
{
    loadedStart_ = room.Start3D;
    DrawPlan(room);
    // The scene shows the walls only for choice 0; any other stored value hides them.
    CbWallsTransp->setCurrentIndex(options.WallsTransp3D == 0 ? 0 : 1);
    EdZoom->setText(QString::number(options.Zoom3D));
    EdPosX->setText(QString::number(loadedStart_[0]));
    EdPosY->setText(QString::number(loadedStart_[1]));
    EdRotation->setText(QString::number(loadedStart_[2]));
    RedrawDial();
    RedrawPreview();
}

// A zoom of 0 or less would give a scene that is empty or mirrored, so it is not taken.
void TForm3D::StoreOptions(COptions& options) const
{
    options.WallsTransp3D = CbWallsTransp->currentIndex();
    const int32_t zoom = IntegerOr(TextOf(EdZoom), options.Zoom3D);
    if (zoom > 0)
        options.Zoom3D = zoom;
}

TForm3D::Start TForm3D::ChosenStart() const
{
    return {IntegerOr(TextOf(EdPosX), loadedStart_[0]), IntegerOr(TextOf(EdPosY), loadedStart_[1]),
            IntegerOr(TextOf(EdRotation), loadedStart_[2])};
}

int TForm3D::Edit(const CRoom& room, COptions& options)
{
    Load(room, options);
    const int result = exec();
    if (result == ResultOk)
        StoreOptions(options);
    return result;
}

std::span<const DialogText> TForm3D::Texts()
{
    return Explore3DTexts;
}

void TForm3D::showEvent(QShowEvent* event)
{
    CbWallsTransp->setItemText(0, LookedUpText(Section, Explore3DTexts, SolidKey));
    CbWallsTransp->setItemText(1, LookedUpText(Section, Explore3DTexts, InvisibleKey));
    BtnOK->setFocus();
    QDialog::showEvent(event);
}

// Pressing the left button on the preview or the dial, and moving while it is held, picks.
bool TForm3D::eventFilter(QObject* watched, QEvent* event)
{
    const bool overPicker = watched == ImgPlan || watched == ImgPreview;
    if (!overPicker || (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseMove))
        return QDialog::eventFilter(watched, event);
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    if (!(mouse->buttons() & Qt::LeftButton))
        return QDialog::eventFilter(watched, event);
    const QPoint at = mouse->position().toPoint();
    if (watched == ImgPlan)
        PickStart(at);
    else
        PointDial(at, mouse->modifiers());
    return true;
}

// The preview draws a copy of the room: drawing prepares the room for the preview's scale,
// which must not disturb the main window's view of the room itself.
void TForm3D::DrawPlan(const CRoom& room)
{
    previewRoom_ = room;
    previewZoom_ = PreviewZoom(previewRoom_, PreviewWidth, PreviewHeight);
    previewPlan_ = QImage();
    if (previewZoom_) {
        try {
            previewPlan_ = RenderRoomImage(previewRoom_, {.zoom = *previewZoom_});
        } catch (const ImageExportError&) {
            previewZoom_.reset();
        }
    }
    ImgPlan->setFixedSize(previewZoom_ ? previewPlan_.size() : QSize(PreviewWidth, PreviewHeight));
}

void TForm3D::RedrawPreview()
{
    if (!previewZoom_)
        return;
    const Start start = ChosenStart();
    const Point at = ViewPixelOf(previewRoom_, *previewZoom_, {start[0], start[1]});
    // A copy of its own: a pixmap made from the plan itself would keep the plan's cache key,
    // and the label would take it for the picture it already shows.
    QImage shown = previewPlan_.copy();
    QPainter painter(&shown);
    painter.setPen(MarkColour);
    painter.drawEllipse(QPoint(at.x, at.y), MarkRadius, MarkRadius);
    DrawNeedle(painter, at, MarkNeedle, start[2]);
    painter.end();
    ImgPlan->setPixmap(QPixmap::fromImage(shown));
}

void TForm3D::RedrawDial()
{
    ImgPreview->setPixmap(RotationDialPixmap(DialSize, ChosenStart()[2], palette()));
}

void TForm3D::PickStart(QPoint pixel)
{
    if (!previewZoom_ || !QRect(QPoint(), previewPlan_.size()).contains(pixel))
        return;
    const Point point = PlanPointFromViewPixel(previewRoom_, *previewZoom_, {0, 0}, {pixel.x(), pixel.y()});
    EdPosX->setText(QString::number(point.x));
    EdPosY->setText(QString::number(point.y));
}

void TForm3D::PointDial(QPoint pixel, Qt::KeyboardModifiers modifiers)
{
    const int32_t angle = DialAngle(pixel.x() - DialSize / 2, pixel.y() - DialSize / 2,
                                    modifiers.testFlag(Qt::ShiftModifier));
    EdRotation->setText(QString::number(angle));
}
