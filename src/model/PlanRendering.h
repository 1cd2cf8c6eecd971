#pragma once
// Drawing a room's plan onto a canvas: the background layer (floor, the white surroundings,
// grid, walls) and the objects with their captions. A plan point (x, y) lands on device pixel
// (x * zoom + offsetX, y * zoom + offsetY).

#include "base/Geometry.h"

#include <array>
#include <cstddef>
#include <functional>
#include <memory>

class Canvas;
class CanvasImage;
class CPart;
class CRoom;

// The colour in which overlapping objects show in the collision view.
constexpr uint32_t CollisionColour = 0x3628ED;

struct PlanView {
    int32_t width = 0;  // the drawn area in pixels
    int32_t height = 0;
    int32_t offsetX = 0;
    int32_t offsetY = 0;
    double zoom = 1.0;
    bool showGrid = true;
    bool showCaptions = true;
    bool showCollisions = false;
    friend bool operator==(const PlanView&, const PlanView&) = default;
};

// Which objects a drawing pass takes, and who hears of each one drawn: a partial redraw takes
// only the objects that reach into the area it repaints and notes where each one painted.
struct PartPass {
    std::function<bool(size_t slot)> include;  // none: every object in use
    std::function<void(size_t slot)> drawn;
};

// The view that shows the whole room with its margins at a zoom, as export and printing use.
PlanView WholeRoomView(const CRoom& room, double zoom);

// The point a/b of the way from the P1/P2 side towards the P0/P3 side and c/d of the way from
// the P3/P2 side towards the P0/P1 side; a zero b or d counts as 1. (1,2,1,2) is the centre.
Point MapQuadPoint(const std::array<Point, 4>& corners, int a, int b, int c, int d);

// The background layer. With a cache, a cached image is put back when there is one; otherwise
// the layer is drawn and kept in the cache. Callers drop the cache whenever the room or the
// view changes.
void DrawBackground(CRoom& room, Canvas& canvas, const PlanView& view,
                    std::unique_ptr<CanvasImage>* cache = nullptr);

// The two steps of the background layer: the floor in the room's colour with white around
// the walls (found by flood fills, so on a surface whose pixels can be read), then the grid
// and the walls over it.
void DrawFloor(const CRoom& room, Canvas& canvas, const PlanView& view);
void DrawGridAndWalls(const CRoom& room, Canvas& canvas, const PlanView& view);

// The walls from their screen outlines, which the caller has computed for the view.
void DrawWalls(const CRoom& room, Canvas& canvas, bool linesOnly);

// Computes the wall outlines and drops the objects' cached corners for a view; needed before
// drawing whenever the zoom, the offsets or the outline changed.
void PrepareForView(CRoom& room, const PlanView& view);

// The two halves of drawing an object: its outline or symbol, and its caption into a rectangle.
// A room, when given, lets a door cut its opening into the wall it is attached to.
void DrawShape(CPart& part, Canvas& canvas, int32_t offsetX, int32_t offsetY, double zoom,
               bool shapeOnly, const CRoom* room = nullptr);
void DrawCaption(const CPart& part, Canvas& canvas, const Rect& rect, double zoom);

// The objects in use that the pass includes, in drawing order, later ones on top.
void DrawParts(CRoom& room, Canvas& canvas, const PlanView& view, const PartPass& pass = {});

// The whole plan: background, then every object in drawing order.
void DrawRoom(CRoom& room, Canvas& canvas, const PlanView& view,
              std::unique_ptr<CanvasImage>* cache = nullptr);
