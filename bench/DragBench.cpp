// One step of a drag across a furnished room (the change noted, the position taken from the
// pointer, the snap to the wall and the redraw) against a full redraw of the plan.

#include "Baseline.h"
#include "FurnishedRoom.h"
#include "SilentPrompts.h"
#include "editor/PlanWidget.h"
#include "editor/TForm1.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

void MoveTo(QWidget* plan, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, plan->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(plan, &move);
}

// A door carried along the top wall, as the placement after Add Object carries it: every move
// changes its position, and a step that is already open takes each change.
void BM_DragStep(benchmark::State& state)
{
    SilentPrompts prompts;
    TForm1 form(prompts, {});
    Furnish(form.Room(), static_cast<int>(state.range(0)));
    int index = -1;
    CPart& door = form.Room().AddPart(&index, true);
    door.Type = Door;
    door.Width = door.Height = 80;
    door.SnapToWallFlag = true;
    door.Caption = "Entrance";
    door.InUse = true;
    form.UpdateScale();
    form.Redraw(true);
    form.show();
    form.StartPlacing(index, QPoint(40, 40), form.NoteRoomChange(false));
    auto* plan = form.findChild<PlanWidget*>("Obr");
    int step = 0;
    // Image() finishes a drawing the window left for after its first paint, which a window
    // off screen never gets.
    bench::MeasureAgainst(
        state, [&] { MoveTo(plan, QPoint(300 + step++ % 2 * 400, 60)); }, [&] {
            form.Redraw(true);
            plan->Image();
        });
    if (door.PosX == 0 && door.PosY == 0)
        state.SkipWithError("the door did not follow the pointer");
    state.counters["plan_pixels"] = static_cast<double>(plan->width()) * plan->height();
}
BENCHMARK(BM_DragStep)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
