#include "dialogs/TFormBackground.h"

#include "dialogs/ErrorReport.h"
#include "localize/Messages.h"
#include "model/CBackground.h"
#include "platform/QtConversions.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

enum TextKey {
    CaptionKey = 1,
    DistanceKey = 2,
    PosXKey = 3,
    PosYKey = 4,
    RotationKey = 5,
    OpacityKey = 6,
};

constexpr DialogText BackgroundTexts[] = {
    {CaptionKey, "TFormBackground", TextRole::Caption, "Calibrate Background Picture"},
    {DistanceKey, "LbDistance", TextRole::Caption, "&Distance between the clicked points:"},
    {PosXKey, "LbPosX", TextRole::Caption, "Top-left corner &X:"},
    {PosYKey, "LbPosY", TextRole::Caption, "Top-left corner &Y:"},
    {RotationKey, "LbRotation", TextRole::Caption, "&Rotation (degrees):"},
    {OpacityKey, "LbOpacity", TextRole::Caption, "&Opacity (%):"},
};

QLocale Numbers()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString NumberText(double value)
{
    // Two decimals at most, and none that say nothing.
    QString text = Numbers().toString(std::round(value * 100.0) / 100.0, 'f', 2);
    const QString point = Numbers().decimalPoint();
    if (text.endsWith(point + "00"))
        text.chop(point.size() + 2);
    return text;
}

}  // namespace

std::span<const DialogText> TFormBackground::Texts()
{
    return BackgroundTexts;
}

TFormBackground::TFormBackground(Prompts& prompts, QWidget* parent)
    : ModalDialog(parent)
    , prompts_(prompts)
{
    setObjectName("TFormBackground");
    setWindowTitle(DesignedText(BackgroundTexts, CaptionKey));

    auto* form = new QFormLayout;
    const auto row = [&](QLabel*& label, QLineEdit*& edit, int key, const char* name, QWidget* beside = nullptr) {
        label = Designed<QLabel>(BackgroundTexts, key);
        edit = Named<QLineEdit>(name);
        label->setBuddy(edit);
        auto* field = new QHBoxLayout;
        field->addWidget(edit);
        if (beside)
            field->addWidget(beside);
        form->addRow(label, field);
    };
    LbUnit = Named<QLabel>("LbUnit");
    row(LbDistance, EdDistance, DistanceKey, "EdDistance", LbUnit);
    row(LbPosX, EdPosX, PosXKey, "EdPosX");
    row(LbPosY, EdPosY, PosYKey, "EdPosY");
    row(LbRotation, EdRotation, RotationKey, "EdRotation");
    row(LbOpacity, EdOpacity, OpacityKey, "EdOpacity");

    auto* buttons = MakeButtonBox(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtnOK, &QPushButton::clicked, this, [this] { done(ResultOk); });
    connect(BtnCancel, &QPushButton::clicked, this, &TFormBackground::reject);
}

bool TFormBackground::Edit(CBackground& background, const std::string& unitName,
                           const std::optional<std::array<PointF, 2>>& points)
{
    points_ = points;
    LbUnit->setText(ToQString(unitName));
    EdDistance->setText(points ? NumberText(Distance(*points)) : QString());
    EdDistance->setEnabled(points.has_value());
    LbDistance->setEnabled(points.has_value());
    LbUnit->setEnabled(points.has_value());
    EdPosX->setText(NumberText(background.OffsetX));
    EdPosY->setText(NumberText(background.OffsetY));
    EdRotation->setText(NumberText(background.Rotation));
    EdOpacity->setText(QString::number(background.Opacity));
    (points ? EdDistance : EdPosX)->setFocus();
    (points ? EdDistance : EdPosX)->selectAll();
    while (exec() == ResultOk) {
        if (ApplyCalibration(background, Entry()))
            return true;
        ReportError(prompts_, Msg(MsgCalibrationRefused));
    }
    return false;
}

std::optional<double> TFormBackground::Typed(const QLineEdit* edit) const
{
    if (!edit->isModified())
        return std::nullopt;
    bool ok = false;
    double value = Numbers().toDouble(edit->text().trimmed(), &ok);
    if (!ok)
        value = QLocale::c().toDouble(edit->text().trimmed(), &ok);
    return ok ? value : std::numeric_limits<double>::quiet_NaN();
}

CalibrationEntry TFormBackground::Entry() const
{
    CalibrationEntry entry{points_, Typed(EdDistance), Typed(EdPosX), Typed(EdPosY), Typed(EdRotation), {}};
    if (const std::optional<double> opacity = Typed(EdOpacity))
        entry.opacity = std::isfinite(*opacity) ? static_cast<int32_t>(std::lround(std::clamp(*opacity, -1.0, 101.0))) : -1;
    return entry;
}
