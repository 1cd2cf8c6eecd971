#include "app/PrintPdfTask.h"

#include "app/TaskSupport.h"
#include "dialogs/TFormPrint.h"
#include "model/CRoom.h"
#include "model/PlanRendering.h"
#include "model/ZoomLevels.h"
#include "output/ImageExport.h"
#include "output/PrintJob.h"
#include "output/PrintTexts.h"
#include "platform/COptions.h"
#include "platform/FileIo.h"
#include "platform/QtConversions.h"

#include <charconv>
#include <cmath>
#include <iostream>

namespace {

// As many as the printer set-up offers.
constexpr int MaxCopies = 999;

// The switches; a text left unset is filled in as the dialog fills it.
struct PrintRequest {
    double scale = -1.0;
    std::optional<std::string> title;
    std::optional<std::string> note1;
    std::string note2;
    bool scaleBar = true;
    bool colour = false;
    int copies = 1;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

std::string ScaleTooHighText()
{
    return LookedUpText(TFormPrint::Section, TFormPrint::Texts(), TFormPrint::ScaleTooHighKey).toStdString();
}

template <typename Number>
std::optional<Number> ParseNumber(const std::string& text)
{
    Number number{};
    const char* const end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || rest != end)
        return std::nullopt;
    return number;
}

Problem HandleSwitch(PrintRequest& request, const std::string& name, const NextValue& value)
{
    if (name == "--scale") {
        const std::optional<double> scale = ParseNumber<double>(value());
        if (!scale || !std::isfinite(*scale) || *scale <= 0)
            return "--scale needs a number above 0";
        request.scale = *scale;
    } else if (name == "--copies") {
        const std::optional<int> copies = ParseNumber<int>(value());
        if (!copies || *copies < 1 || *copies > MaxCopies)
            return "--copies needs a whole number from 1 to " + std::to_string(MaxCopies);
        request.copies = *copies;
    } else if (name == "--title") {
        request.title = value();
    } else if (name == "--note1") {
        request.note1 = value();
    } else if (name == "--note2") {
        request.note2 = value();
    } else if (name == "--no-scale-bar") {
        request.scaleBar = false;
    } else if (name == "--color") {
        request.colour = true;
    } else if (name == "--landscape") {
        request.orientation = QPageLayout::Landscape;
    } else {
        return "unknown option " + name + " for --print-pdf";
    }
    return std::nullopt;
}

// The dialog ticks a title or note line when it has a text.
PrintChoices Choices(const PrintRequest& request, const CRoom& room, const std::string& roomFile,
                     const COptions& options)
{
    const QString title = ToQString(request.title.value_or(DefaultPrintTitle(roomFile)));
    const QString note1 = ToQString(request.note1.value_or(options.ExpAddText ? RoomDimensionsNote(room) : ""));
    const QString note2 = ToQString(request.note2);
    const PageContent content{
        .title = !title.isEmpty(), .scaleBar = request.scaleBar, .note1 = !note1.isEmpty(), .note2 = !note2.isEmpty()};
    return {.content = content,
            .title = title,
            .note1 = note1,
            .note2 = note2,
            .colour = request.colour,
            .copies = request.copies};
}

// The calculator fitted to the document as the dialog fits it; nothing when the drawing
// does not fit the page.
std::optional<CPrintSizeCalculator> FitToPage(const QPaintDevice& device, const CRoom& room, double scale,
                                              const PrintChoices& choices, const COptions& options)
{
    const PlanView drawing = WholeRoomView(room, 1.0);
    CPrintSizeCalculator calculator;
    calculator.SetPrinter(MeasurePrinter(device));
    calculator.ImageWidth = drawing.width;
    calculator.ImageHeight = drawing.height;
    calculator.PageBorder = options.PageBorder / 100.0;
    calculator.RequestedScale = scale;
    if (!calculator.Calculate(room, choices.content))
        return std::nullopt;
    return calculator;
}

int Print(const std::string& out, const std::string& in, const PrintRequest& request, const COptions& options)
{
    CRoom room;
    if (!LoadRoom(room, in))
        return BadInput;
    room.SnapAllToWalls();
    if (!ImageFits(room, 1.0)) {
        std::cerr << "planzeta: the room is too large to print here: its drawing takes one pixel per room unit, "
                     "which would exceed "
                  << MaxImageSide << " pixels on a side or " << MaxImagePixels / 1'000'000
                  << " megapixels whatever --scale says. Print it from the editor at a smaller zoom.\n";
        return WriteFailed;
    }
    const auto app = OffscreenApplication();
    try {
        PdfDocument document(PdfDocument::A4(request.orientation));
        const PrintChoices choices = Choices(request, room, in, options);
        document.SetTitle(DocumentTitle(choices));
        const auto calculator = FitToPage(document.Device(), room, request.scale, choices, options);
        if (!calculator) {
            std::cerr << "planzeta: " << ScaleTooHighText() << '\n';
            return WriteFailed;
        }
        if (!PrintPages(document.Device(), room, {}, *calculator, choices)) {
            std::cerr << "planzeta: the PDF could not be started\n";
            return WriteFailed;
        }
        document.Save(out);
    } catch (const std::runtime_error& error) {  // ImageExportError or FileWriteError
        std::cerr << "planzeta: " << error.what() << '\n';
        return WriteFailed;
    }
    return Success;
}

}  // namespace

int PrintPdfTask(const std::vector<std::string>& args, const COptions& options)
{
    PrintRequest request;
    request.scaleBar = options.PrintScale;
    request.orientation = PaperOrientation(options.PaperOrientation);
    const auto files = TaskFiles(args, [&](const std::string& name, const NextValue& value) {
        return HandleSwitch(request, name, value);
    });
    return files ? Print((*files)[0], (*files)[1], request, options) : BadInput;
}
