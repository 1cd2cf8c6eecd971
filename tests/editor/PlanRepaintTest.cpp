// A drag repaints only the area it changed; the plan must come out exactly as a redraw of the
// whole plan draws it, through drags over overlapping objects of every kind, zooms, the
// collision view and edits between the drags.
#define QTEST_QPA_MOUSE_HANDLING

#include "editor/PlanComposer.h"
#include "support/MakePart.h"
#include "support/PlanWindowTest.h"

#include <QPaintEvent>

#include <string>
#include <vector>

namespace {

constexpr int Margin = 10;

// Notes the area of every paint of a widget.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            areas.push_back(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
    std::vector<QRect> areas;
};

class PlanRepaintTest : public PlanWindowTest {
protected:
    PlanRepaintTest() : PlanWindowTest(Furnish) {}

    // A crowd of overlapping objects of every kind, captioned, around the middle of the room,
    // and a door and a window on the top wall.
    static void Furnish(CRoom& room)
    {
        room.Width = 400;
        room.Height = 300;
        room.SpaceAround = {Margin, Margin, Margin, Margin};
        room.Walls.MakeRectangle(room.Width, room.Height, 8);
        for (int i = 0; i < 36; ++i) {
            CPart& part = room.AddPart(nullptr, true) =
                MakePart(i % 9, 60 + i % 6 * 45, 60 + i / 6 * 35, 60, 45, i % 4 == 1 ? 30 * i : 0);
            part.InUse = true;
            part.LineStyle = i % 5 == 0 ? 1 : 0;
            part.FillColor = 0x203040u * static_cast<Colour>(i % 5 + 1);
            part.Caption = i % 3 == 0 ? "A caption long enough to be wrapped and cut" : "Chair\r\nno. " + std::to_string(i);
            if (part.Type == LibraryObject)
                part.LibObjID = 20 + i;
            if (part.Type == Label && i % 2 == 0)
                part.Font = CFont{"Sans Serif", 12, 1, 0, CFont::Italic};
        }
        for (const int type : {Door, Window}) {
            CPart& part = room.AddPart(nullptr, true) = MakePart(type, type == Door ? 100 : 250, 0, 50, 50);
            part.InUse = true;
            part.SnapToWallFlag = true;
            part.Caption = "On the wall";
        }
        room.SnapAllToWalls();
    }

    QPoint Pixel(int x, int y) const
    {
        const double zoom = form->Zoom();
        return {static_cast<int>((x + Margin) * zoom), static_cast<int>((y + Margin) * zoom)};
    }

    // Drags from one room point to another in even steps; every few steps the plan is
    // compared with a full redraw, so that errors of several repaints add up between checks.
    void Drag(Point from, Point to, const char* what)
    {
        constexpr int Steps = 12;
        QTest::mousePress(plan, Qt::LeftButton, {}, Pixel(from.x, from.y));
        for (int step = 1; step <= Steps; ++step) {
            QTest::mouseEvent(QTest::MouseMove, plan, Qt::LeftButton, {},
                              Pixel(from.x + (to.x - from.x) * step / Steps, from.y + (to.y - from.y) * step / Steps));
            if (step % 4 == 0)
                ExpectSameAsFullRedraw(what, step);
        }
        QTest::mouseRelease(plan, Qt::LeftButton, {}, Pixel(to.x, to.y));
    }

    void ExpectSameAsFullRedraw(const char* what, int step)
    {
        const QImage repainted = plan->Image().copy();
        form->Redraw(false);
        const QImage& full = plan->Image();
        ASSERT_EQ(repainted.size(), full.size());
        int differing = 0;
        for (int y = 0; y < full.height(); ++y)
            for (int x = 0; x < full.width(); ++x)
                differing += repainted.pixel(x, y) != full.pixel(x, y);
        EXPECT_EQ(differing, 0) << what << ", after step " << step;
    }
};

}  // namespace

TEST_F(PlanRepaintTest, DragsRepaintOnlyWhatChangedAndGiveThePixelsOfAFullRedraw)
{
    const PaintWatch paints(plan);
    EXPECT_NEAR(plan->Image().width(), plan->width() * plan->devicePixelRatioF(), 2) << "in the screen's pixels";
    Drag({90, 80}, {330, 250}, "a rectangle across the crowd");
    Drag({125, 0}, {330, 0}, "a door along its wall");
    const QRect whole = plan->rect();
    EXPECT_TRUE(std::any_of(paints.areas.begin(), paints.areas.end(),
                            [&](const QRect& area) { return !area.isEmpty() && area != whole; }))
        << "no drag step repainted less than the whole plan";

    // An edit between drags: the object under the last press turns.
    QTest::mouseClick(plan, Qt::LeftButton, {}, Pixel(200, 140));
    form->findChild<QAction*>("Rotate90degright1")->trigger();
    Drag({200, 140}, {60, 260}, "a turned object");

    form->findChild<QAction*>("Priblizit1")->trigger();
    form->findChild<QAction*>("Priblizit1")->trigger();
    Drag({255, 95}, {120, 200}, "at a zoom of 160 %");
    form->findChild<QAction*>("Oddlit1")->trigger();
    form->findChild<QAction*>("Oddlit1")->trigger();
    form->findChild<QAction*>("Oddlit1")->trigger();
    Drag({120, 200}, {300, 60}, "at a zoom of 75 %");

    form->findChild<QAction*>("ShowCollisions1")->trigger();
    Drag({300, 60}, {150, 150}, "in the collision view");
}

// The first paint composes only the area it shows and the rest after it; together they give
// the pixels of one full drawing, whichever objects straddle the edge of that area.
TEST_F(PlanRepaintTest, ImageComposedInTwoStepsEqualsOneDrawing)
{
    CRoom room;
    Furnish(room);
    for (const bool collisions : {false, true}) {
        PlanView view = WholeRoomView(room, 2.0);
        view.showCollisions = collisions;
        PrepareForView(room, view);
        QImage whole(view.width, view.height, QImage::Format_RGB32);
        PlanComposer().DrawAll(room, view, whole);
        QImage stepped(whole.size(), QImage::Format_RGB32);
        PlanComposer composer;
        composer.DrawArea(room, view, stepped, QRect(250, 150, 300, 200));
        EXPECT_TRUE(composer.DrawRest(room, view, stepped).isEmpty()) << "nothing left out reaches into the area";
        EXPECT_EQ(stepped, whole) << (collisions ? "collision view" : "plan");
    }
}
