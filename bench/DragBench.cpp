// The cost of one step of a drag across a furnished room (the change noted, the position taken
// from the pointer, the snap to the wall and the redraw of the whole plan), and of a redraw alone.

#include "FurnishedRoom.h"
#include "editor/TForm1.h"
#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int ObjectCount = 1000;

// Answers every question as a user in a hurry would; the first run greets with a message.
class SilentPrompts : public Prompts {
public:
    PromptButton Message(const std::string&, const std::string&, PromptIcon, unsigned) override { return ButtonOk; }
    std::optional<std::string> OpenFileName(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> SaveFileName(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<Colour> ChooseColour(Colour) override { return std::nullopt; }
    std::optional<CFont> ChooseFont(const CFont&) override { return std::nullopt; }
};

void MoveTo(QWidget* plan, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, plan->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(plan, &move);
}

// A door carried along the top wall, as the placement after Add Object carries it: every move
// changes its position, and a step that is already open takes each change.
void BM_DragMove(benchmark::State& state)
{
    SilentPrompts prompts;
    TForm1 form(prompts, {});
    Furnish(form.Room(), ObjectCount);
    int index = -1;
    CPart& door = form.Room().AddPart(&index);
    door.Type = Door;
    door.Width = door.Height = 80;
    door.SnapToWallFlag = true;
    door.Caption = "Entrance";
    door.InUse = true;
    form.UpdateScale();
    form.Redraw(true);
    form.show();
    form.NoteRoomChange(false);
    form.StartPlacing(index, QPoint(40, 40));
    QWidget* plan = form.findChild<QWidget*>("Obr");
    int step = 0;
    for (auto _ : state) {
        MoveTo(plan, QPoint(300 + step % 2 * 400, 60));
        ++step;
    }
    if (door.PosX == 0 && door.PosY == 0)
        state.SkipWithError("the door did not follow the pointer");
    state.counters["plan_pixels"] = static_cast<double>(plan->width()) * plan->height();
}
BENCHMARK(BM_DragMove)->Unit(benchmark::kMillisecond);

// A redraw at an unchanged view: the cached background put back, every object drawn again.
void BM_RedrawUnchangedView(benchmark::State& state)
{
    SilentPrompts prompts;
    TForm1 form(prompts, {});
    Furnish(form.Room(), ObjectCount);
    form.UpdateScale();
    form.Redraw(false);
    for (auto _ : state)
        form.Redraw(true);
}
BENCHMARK(BM_RedrawUnchangedView)->Unit(benchmark::kMillisecond);

}  // namespace
