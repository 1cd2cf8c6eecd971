// Drawing a large room: the editor's full redraw at 100 % against the same polygons and
// captions drawn by plain QPainter calls, and the picture export of the command line.

#include "Baseline.h"
#include "FurnishedRoom.h"
#include "ScratchFolder.h"
#include "SilentPrompts.h"
#include "editor/PlanWidget.h"
#include "editor/TForm1.h"
#include "output/ImageExport.h"
#include "platform/QtConversions.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <benchmark/benchmark.h>

namespace {

// Each object as a filled, outlined four-point polygon with its caption wrapped and centred in
// its bounds, over a copy of the background.
void DrawPlainly(CRoom& room, const QImage& background, QImage& target, int32_t offsetX, int32_t offsetY)
{
    QPainter painter(&target);
    painter.drawImage(0, 0, background);
    for (CPart& part : room.Parts) {
        if (!part.InUse)
            continue;
        const auto& corners = part.ScreenCorners(offsetX, offsetY, 1.0);
        QPolygon polygon;
        for (const Point& p : corners)
            polygon << QPoint(p.x, p.y);
        painter.setPen(ToQColor(part.LineColor));
        painter.setBrush(ToQColor(part.FillColor));
        painter.drawPolygon(polygon);
        painter.setPen(ToQColor(part.TextColor));
        painter.drawText(ToQRect(part.ScreenBounds(offsetX, offsetY, 1.0)),
                         Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap,
                         QString::fromStdString(part.Caption));
    }
}

void BM_FullRedraw(benchmark::State& state)
{
    SilentPrompts prompts;
    TForm1 form(prompts, {});
    CRoom& room = form.Room();
    Furnish(room, static_cast<int>(state.range(0)));
    form.SetZoom(1.0);
    PlanWidget& plan = *form.findChild<PlanWidget*>("Obr");
    const QSize size = plan.Image().size();
    QImage background(size, QImage::Format_RGB32);
    background.fill(Qt::white);
    QImage target(size, QImage::Format_RGB32);
    const int32_t offsetX = room.SpaceAround[0];
    const int32_t offsetY = room.SpaceAround[1];
    bench::MeasureAgainst(
        state, [&] {
            form.Redraw(false);
            plan.Image();  // finishes what an unpainted window leaves for later
        },
        [&] { DrawPlainly(room, background, target, offsetX, offsetY); });
}
BENCHMARK(BM_FullRedraw)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

// As --export-image does it: the room rendered afresh at 100 % and saved as a bitmap.
void BM_ImageExport(benchmark::State& state)
{
    CRoom room;
    Furnish(room, static_cast<int>(state.range(0)));
    const ScratchFolder folder;
    const std::string path = folder.File("plan.bmp");
    bench::Measure(state, [&] { SaveImage(RenderRoomImage(room, {}), path); });
}
BENCHMARK(BM_ImageExport)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
