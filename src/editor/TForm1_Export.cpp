#include "editor/TForm1.h"

#include "dialogs/ErrorReport.h"
#include "editor/PlanWidget.h"
#include "localize/Messages.h"
#include "output/ImageExport.h"
#include "output/PrintTexts.h"
#include "platform/FileIo.h"
#include "platform/Prompts.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace {

const std::string PngFilter = "PNG images (*.png)";
const std::string BmpFilter = "Bitmaps (*.bmp)";

// The name as typed when it ends in a picture type, else with the chosen type's extension.
QString ImageFileName(const QString& typed, const std::string& filter)
{
    const QString suffix = QFileInfo(typed).suffix().toLower();
    if (suffix == "png" || suffix == "bmp")
        return typed;
    return typed + (filter == BmpFilter ? ".bmp" : ".png");
}

}  // namespace

void TForm1::CreateExportActions()
{
    Ulozjakoobrazek1 = NewAction("Ulozjakoobrazek1", [this] { SaveAsImage(); });
    CopytoClipboard1 = NewAction("CopytoClipboard1", [this] { CopyToClipboard(); }, {Qt::CTRL | Qt::Key_C});
}

QImage TForm1::RenderForExport()
{
    // A copy shares the screen's pixels until it is drawn on, so a caption never reaches the
    // screen.
    if (!engines_.options.ExpIn100)
        return Obr->Image();
    const QImage image = RenderRoomImage(
        room_, {.zoom = 1.0, .showGrid = showGrid_, .showCaptions = showCaptions_, .showCollisions = showCollisions_});
    // The rendering left the room laid out for 100 %; the screen needs its own zoom back.
    UpdateScale();
    return image;
}

void TForm1::AddInfoText(QImage& image) const
{
    if (!engines_.options.ExpAddText)
        return;
    const std::string title = fileName_.isEmpty() ? std::string() : QFileInfo(fileName_).fileName().toStdString();
    DrawInfoText(image, InfoText(room_, title, QDate::currentDate()));
}

void TForm1::SaveAsImage()
{
    const QString suggested = QDir(QString::fromStdString(engines_.options.LastOpenFolder))
                                  .filePath(QString::fromStdString(DefaultPrintTitle(fileName_.toStdString())) + ".png");
    std::string filter = PngFilter;
    const auto chosen = prompts_.SaveFileName(Msg(MsgSaveImageTitle), suggested.toStdString(),
                                              PngFilter + ";;" + BmpFilter, &filter);
    if (!chosen)
        return;
    const QString path = ImageFileName(QString::fromStdString(*chosen), filter);
    RememberFolderOf(path);
    try {
        QImage image = RenderForExport();
        AddInfoText(image);
        SaveImage(image, path.toStdString());
    } catch (const ImageExportError& error) {
        ReportError(prompts_, error.what());
    } catch (const FileWriteError& error) {
        ReportError(prompts_, error.what());
    }
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
