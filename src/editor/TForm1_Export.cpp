#include "editor/TForm1.h"

#include "dialogs/ErrorReport.h"
#include "editor/PlanWidget.h"
#include "localize/Messages.h"
#include "output/ImageExport.h"
#include "output/PrintTexts.h"
#include "output/SvgExport.h"
#include "platform/FileIo.h"
#include "platform/Prompts.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>
#include <vector>

namespace {

const std::string PngFilter = "PNG images (*.png)";
const std::string BmpFilter = "Bitmaps (*.bmp)";

// The kinds of picture offered, each with the resolution factor it is drawn at.
struct PictureKind {
    std::string filter;
    QString suffix;
    double scale = 1.0;
};

std::vector<PictureKind> PictureKinds()
{
    return {{PngFilter, "png"},
            {Msg(MsgPngTwiceFilter), "png", 2.0},
            {Msg(MsgPngFourTimesFilter), "png", 4.0},
            {BmpFilter, "bmp"},
            {Msg(MsgSvgFilter), "svg"}};
}

// The name as typed when it ends in a picture type, else with the chosen kind's extension.
QString ImageFileName(const QString& typed, const PictureKind& kind)
{
    const QString suffix = QFileInfo(typed).suffix().toLower();
    if (suffix == "png" || suffix == "bmp" || suffix == "svg")
        return typed;
    return typed + "." + kind.suffix;
}

}  // namespace

void TForm1::CreateExportActions()
{
    Ulozjakoobrazek1 = NewAction("Ulozjakoobrazek1", [this] { SaveAsImage(); });
    CopytoClipboard1 = NewAction("CopytoClipboard1", [this] { CopyToClipboard(); }, {Qt::CTRL | Qt::Key_C});
}

ImageExportOptions TForm1::ExportDrawing(double scale) const
{
    return {.zoom = engines_.options.ExpIn100 ? 1.0 : zoom_,
            .scale = scale,
            .showGrid = showGrid_,
            .showCaptions = showCaptions_,
            .showCollisions = showCollisions_};
}

QImage TForm1::RenderForExport(double scale)
{
    // A copy shares the screen's pixels until it is drawn on, so a caption never reaches the
    // screen.
    if (!engines_.options.ExpIn100 && scale == Obr->Image().devicePixelRatio())
        return Obr->Image();
    const QImage image = RenderRoomImage(room_, ExportDrawing(scale));
    // The rendering left the room laid out for its own view; the screen needs its own back.
    UpdateScale();
    return image;
}

std::string TForm1::FileTitle() const
{
    return fileName_.isEmpty() ? std::string() : QFileInfo(fileName_).fileName().toStdString();
}

void TForm1::AddInfoText(QImage& image) const
{
    if (!engines_.options.ExpAddText)
        return;
    DrawInfoText(image, InfoText(room_, FileTitle(), QDate::currentDate()));
}

void TForm1::SaveAsImage()
{
    const QString suggested = QDir(QString::fromStdString(engines_.options.LastOpenFolder))
                                  .filePath(QString::fromStdString(DefaultPrintTitle(fileName_.toStdString())) + ".png");
    const std::vector<PictureKind> kinds = PictureKinds();
    std::string filters;
    for (const PictureKind& kind : kinds)
        filters += (filters.empty() ? "" : ";;") + kind.filter;
    std::string filter = PngFilter;
    const auto chosen = prompts_.SaveFileName(Msg(MsgSaveImageTitle), suggested.toStdString(), filters, &filter);
    if (!chosen)
        return;
    const auto kind = std::find_if(kinds.begin(), kinds.end(), [&](const PictureKind& k) { return k.filter == filter; });
    const PictureKind& picked = kind != kinds.end() ? *kind : kinds.front();
    const QString path = ImageFileName(QString::fromStdString(*chosen), picked);
    RememberFolderOf(path);
    try {
        if (IsSvgName(path.toStdString()))
            SaveAsSvg(path);
        else
            SaveAsPicture(path, picked.scale);
    } catch (const ImageExportError& error) {
        ReportError(prompts_, error.what());
    } catch (const FileWriteError& error) {
        ReportError(prompts_, error.what());
    }
}

void TForm1::SaveAsPicture(const QString& path, double scale)
{
    QImage image = RenderForExport(scale);
    AddInfoText(image);
    SaveImage(image, path.toStdString());
}

void TForm1::SaveAsSvg(const QString& path)
{
    const std::string caption = engines_.options.ExpAddText ? InfoText(room_, FileTitle(), QDate::currentDate()) : "";
    SaveSvg(room_, ExportDrawing(1.0), caption, path.toStdString());
    UpdateScale();  // the drawing left the room laid out for its own view
}

void TForm1::CopyToClipboard()
{
    try {
        QImage image = RenderForExport();
        AddInfoText(image);
        QGuiApplication::clipboard()->setImage(image);
    } catch (const ImageExportError& error) {
        ReportError(prompts_, error.what());
    }
}
