// Printing the large room on an A4 page into a PDF, as the print dialog does with no printer:
// the plan drawn afresh at the printer's resolution, its floor as a picture of that resolution
// and everything else as shapes and text. The counter gives the document's size.

#include "Baseline.h"
#include "FurnishedRoom.h"
#include "model/PlanRendering.h"
#include "output/PrintJob.h"

#include <QBuffer>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

namespace {

void BM_PrintPage(benchmark::State& state)
{
    CRoom room;
    Furnish(room, static_cast<int>(state.range(1)));
    const PlanView drawing = WholeRoomView(room, 1.0);
    const PrintChoices choices{.content = {.title = true, .scaleBar = true}, .title = "Furnished"};
    qsizetype size = 0;
    bench::Measure(state, [&] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(static_cast<int>(state.range(0)));
        writer.setPageLayout(PdfDocument::A4(QPageLayout::Landscape));
        CPrintSizeCalculator calculator;
        calculator.SetPrinter(MeasurePrinter(writer));
        calculator.ImageWidth = drawing.width;
        calculator.ImageHeight = drawing.height;
        calculator.PageBorder = 1.5;
        if (!calculator.Calculate(room, choices.content) || !PrintPages(writer, room, {}, calculator, choices))
            state.SkipWithError("the page was not printed");
        size = bytes.size();
    });
    state.counters["pdf_kB"] = static_cast<double>(size) / 1024;
}
BENCHMARK(BM_PrintPage)->Args({300, 10000})->Args({600, 10000})->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
