#include "editor/TForm1.h"

#include "dialogs/ErrorReport.h"
#include "dialogs/TFormPrint.h"
#include "editor/PlanWidget.h"
#include "localize/Messages.h"
#include "output/ImageExport.h"
#include "output/PrintJob.h"
#include "output/PrintTexts.h"
#include "platform/FileIo.h"
#include "platform/Prompts.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <optional>

namespace {

const std::string PdfFilter = "PDF documents (*.pdf)";

// The hourglass while the drawing is rendered and printed.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

bool PrintPdf(TFormPrint& form, CRoom& room, const ImageExportOptions& drawing, const QString& path)
{
    PdfDocument document(form.Printer().pageLayout());
    document.SetTitle(DocumentTitle(form.Choices()));
    if (!PrintPages(document.Device(), room, drawing, form.Calculator(), form.Choices()))
        return false;
    document.Save(path.toStdString());
    return true;
}

// Each copy is a page of its own, so the printer is asked for one copy of the job.
bool PrintOnPrinter(TFormPrint& form, CRoom& room, const ImageExportOptions& drawing)
{
    const PrintChoices choices = form.Choices();
    QPrinter& printer = form.Printer();
    printer.setDocName(PrintJobTitle);
    printer.setCopyCount(1);
    const bool printed = PrintPages(printer, room, drawing, form.Calculator(), choices);
    printer.setCopyCount(choices.copies);
    return printed;
}

}  // namespace

void TForm1::CreatePrintActions()
{
    Print1 = NewAction("Print1", [this] { Print1Click(); }, {Qt::CTRL | Qt::Key_P});
}

// Prints the room as the print dialog arranged it: on the printer, or, with no printer
// installed, into a PDF file that the user names.
void TForm1::Print1Click()
{
    if (FormPrint->Edit(room_, imageSize_, fileName_) != TFormPrint::ResultOk)
        return;
    std::optional<QString> pdfName;
    if (FormPrint->PrintsToPdf()) {
        pdfName = AskPdfName();
        if (!pdfName)
            return;
    }
    const BusyCursor busy;
    try {
        const ImageExportOptions drawing = ExportDrawing(1.0);
        const bool printed = pdfName ? PrintPdf(*FormPrint, room_, drawing, *pdfName)
                                     : PrintOnPrinter(*FormPrint, room_, drawing);
        // Printing left the room laid out for the page; the screen needs its own view back.
        UpdateScale();
        if (!printed)
            ReportError(prompts_, Msg(MsgPrinterNotStarted));
    } catch (const ImageExportError& error) {
        ReportError(prompts_, error.what());
    } catch (const FileWriteError& error) {
        ReportError(prompts_, error.what());
    }
}

// The file the setup dialog named, else one named after the room in the last folder used.
std::optional<QString> TForm1::AskPdfName()
{
    QString suggested = FormPrint->Printer().outputFileName();
    if (suggested.isEmpty())
        suggested = QDir(QString::fromStdString(engines_.options.LastOpenFolder))
                        .filePath(QString::fromStdString(DefaultPrintTitle(fileName_.toStdString())) + ".pdf");
    const auto chosen = prompts_.SaveFileName(FormPrint->windowTitle().toStdString(), suggested.toStdString(), PdfFilter, nullptr);
    if (!chosen)
        return std::nullopt;
    QString path = QString::fromStdString(*chosen);
    if (QFileInfo(path).suffix().isEmpty())
        path += ".pdf";
    RememberFolderOf(path);
    return path;
}
