#include "model/LibrarySymbols.h"

#include "model/CPart.h"
#include "model/CRoom.h"
#include "model/PlanRendering.h"
#include "platform/IniFile.h"
#include "support/RecordingCanvas.h"

#include "support/MakePart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <regex>
#include <set>
#include <tuple>

namespace {

const std::string LibraryFile = PLANZETA_SOURCE_DIR "/data/Library.msk";
const std::string GalleryFile = PLANZETA_SOURCE_DIR "/docs/rooms/LibraryGallery.mst";

CPart MakeObject(int id, int32_t x, int32_t y, int32_t width, int32_t height, int32_t rotation = 0)
{
    CPart part = MakePart(LibraryObject, x, y, width, height, rotation);
    part.LibObjID = id;
    part.LineColor = 0x112233;
    return part;
}

// The unrotated 160 x 80 object whose corners land on (15,27), (175,27), (175,107), (15,107).
CPart Standard(int id)
{
    return MakeObject(id, 10, 20, 160, 80);
}

RecordingCanvas Draw(CPart part, double zoom = 1.0, int32_t offsetX = 5, int32_t offsetY = 7)
{
    RecordingCanvas canvas;
    EXPECT_TRUE(DrawLibraryObject(part, canvas, part.LibObjID, offsetX, offsetY, zoom)) << part.LibObjID;
    return canvas;
}

// The area a recorded call paints: the points of a polygon, line or curve; the box of an
// ellipse; for a pie, the quarter of its box between the two radials.
std::vector<Point> PaintedPoints(const std::string& line)
{
    static const std::regex point(R"(\((-?\d+),(-?\d+)\))");
    static const std::regex box(R"(\[(-?\d+),(-?\d+),(-?\d+),(-?\d+)\])");
    std::vector<Point> points;
    for (auto it = std::sregex_iterator(line.begin(), line.end(), point); it != std::sregex_iterator(); ++it)
        points.push_back({std::stoi((*it)[1]), std::stoi((*it)[2])});
    std::smatch r;
    if (!std::regex_search(line, r, box))
        return points;
    const Rect b{std::stoi(r[1]), std::stoi(r[2]), std::stoi(r[3]), std::stoi(r[4])};
    if (line.rfind("Pie", 0) != 0)
        return {{b.left, b.top}, {b.right, b.bottom}};
    const int64_t cx = (int64_t{b.left} + b.right) / 2;
    const int64_t cy = (int64_t{b.top} + b.bottom) / 2;
    const int64_t dx = points[0].x - cx + points[1].x - cx;
    const int64_t dy = points[0].y - cy + points[1].y - cy;
    return {{static_cast<int32_t>(cx), static_cast<int32_t>(cy)},
            {dx < 0 ? b.left : b.right, dy < 0 ? b.top : b.bottom}};
}

// Every point a symbol paints lies within its corners' bounding box, give or take a pixel.
void ExpectInsideCorners(CPart part, double zoom, const std::string& what)
{
    RecordingCanvas canvas;
    ASSERT_TRUE(DrawLibraryObject(part, canvas, part.LibObjID, 0, 0, zoom)) << what;
    part.InvalidateCorners();
    const Rect bounds = part.ScreenBounds(0, 0, zoom);
    for (const std::string& line : canvas.log)
        for (const Point& p : PaintedPoints(line)) {
            ASSERT_GE(int64_t{p.x}, int64_t{bounds.left} - 1) << what << ": " << line;
            ASSERT_LE(int64_t{p.x}, int64_t{bounds.right} + 1) << what << ": " << line;
            ASSERT_GE(int64_t{p.y}, int64_t{bounds.top} - 1) << what << ": " << line;
            ASSERT_LE(int64_t{p.y}, int64_t{bounds.bottom} + 1) << what << ": " << line;
        }
}

// The library's entries that have symbols; its doors and windows are plain objects.
std::vector<CPart> LibraryEntries()
{
    const std::optional<CIniFile> ini = CIniFile::Read(LibraryFile);
    EXPECT_TRUE(ini.has_value()) << LibraryFile;
    std::vector<CPart> entries;
    if (!ini)
        return entries;
    int number = 0;
    for (const std::string& section : ini->SectionNames()) {
        EXPECT_EQ(section, "Part" + std::to_string(++number));
        CPart part;
        part.Load(*ini, section);
        if (part.Type == LibraryObject)
            entries.push_back(part);
    }
    return entries;
}

// The numbers the library's entries name, each of which must have a symbol.
std::set<int> SymbolNumbers()
{
    std::set<int> numbers;
    for (const CPart& part : LibraryEntries())
        numbers.insert(part.LibObjID);
    return numbers;
}

}  // namespace

// Exactly the numbers the library names have symbols; each draws a shape with the caller's pen,
// brush and mode and leaves them as it found them, and any other number draws nothing.
TEST(LibrarySymbols, EachLibraryNumberDrawsItsSymbolAndAnyOtherNothing)
{
    const std::set<int> symbols = SymbolNumbers();
    std::vector<int> numbers = {19, 0, -5, 100, 2000000000, INT_MIN, INT_MAX};
    for (int n = 20; n <= 99; ++n)
        numbers.push_back(n);
    for (const int number : numbers) {
        CPart part = Standard(number);
        RecordingCanvas canvas;
        canvas.pen = {Pen::Dot, 0x123456};
        canvas.brush = {Brush::Hollow, 0};
        canvas.rasterMode = RasterMode::MaskPenNot;
        ASSERT_EQ(DrawLibraryObject(part, canvas, number, 5, 7, 1.0), symbols.count(number) == 1) << number;
        if (!symbols.count(number)) {
            EXPECT_TRUE(canvas.log.empty()) << number;
            continue;
        }
        EXPECT_FALSE(canvas.Calls("Polygon").empty() && canvas.Calls("Ellipse").empty() && canvas.Calls("Pie").empty())
            << number;
        EXPECT_EQ(canvas.pen, (Pen{Pen::Dot, 0x123456})) << number;
        EXPECT_EQ(canvas.brush, (Brush{Brush::Hollow, 0})) << number;
        EXPECT_EQ(canvas.rasterMode, RasterMode::MaskPenNot) << number;
        EXPECT_TRUE(canvas.Calls("Raster").empty()) << number;
    }
}

TEST(LibrarySymbols, RadiatorFinsStayAtLeastFourPixelsApart)
{
    EXPECT_EQ(Draw(Standard(65)).Calls("Polyline").size(), 9u);
    // 40 pixels across keep ten fins 4 pixels apart; below that there are trunc(pixels / 4).
    for (const auto& [width, zoom, lines] : {std::tuple{40, 1.0, 9u}, {39, 1.0, 8u}, {30, 1.0, 6u}, {60, 0.5, 6u},
                                             {7, 1.0, 0u}, {0, 1.0, 0u}, {-50, 1.0, 0u}}) {
        const std::vector<std::string> fins = Draw(MakeObject(65, 0, 0, width, 10), zoom, 0, 0).Calls("Polyline");
        EXPECT_EQ(fins.size(), lines) << width << " at " << zoom;
        for (size_t i = 1; i < fins.size(); ++i)
            EXPECT_GE(PaintedPoints(fins[i - 1])[0].x - PaintedPoints(fins[i])[0].x, 4) << fins[i];
    }
}

TEST(LibrarySymbols, HiddenEdgesAreDottedInTheLineColourOrLeftOut)
{
    // Hidden edges are dotted in the line colour, and left out when the object has none.
    CPart cabinet = Standard(23);
    const RecordingCanvas dotted = Draw(cabinet);
    EXPECT_EQ(dotted.Calls("Pen Dot 0x112233").size(), 1u);
    EXPECT_EQ(dotted.Calls("Polyline").size(), 2u);
    cabinet.LineColor = NoColour;
    EXPECT_EQ(Draw(cabinet).log, std::vector<std::string>{"Polygon (15,27) (175,27) (175,107) (15,107)"});
}

TEST(LibrarySymbols, TurnedHugeAndEmptyObjectsStayInsideTheirCorners)
{
    const std::vector<CPart> entries = LibraryEntries();
    ASSERT_FALSE(entries.empty());
    for (CPart part : entries) {
        const int number = part.LibObjID;
        part.PosX = 1000;
        part.PosY = 700;
        for (const int rotation : {0, 30, 90, 135, 180, 252, 270, -45}) {
            part.Rotation = rotation;
            for (const double zoom : {0.37, 1.0, 2.5})
                ExpectInsideCorners(part, zoom, part.Caption + " at " + std::to_string(rotation));
            // Corners still within int32, but lengths derived from them in 32 bits would overflow.
            ExpectInsideCorners(MakeObject(number, 0, 0, 1500000000, 1500000000, rotation), 1.0,
                                "huge " + part.Caption);
        }
        const RecordingCanvas empty = Draw(MakeObject(number, 50, 60, 0, 0), 1.0, 0, 0);
        for (const std::string& line : empty.log)
            for (const Point& p : PaintedPoints(line))
                EXPECT_EQ(p, (Point{50, 60})) << number << ": " << line;
    }
}

TEST(LibrarySymbolsFile, LibraryFileHoldsPlausibleEntries)
{
    const std::vector<CPart> entries = LibraryEntries();
    std::set<std::string> captions;
    uint32_t categories = 0;
    for (CPart part : entries) {
        const std::string& name = part.Caption;
        EXPECT_TRUE(captions.insert(name).second) << "duplicate " << name;
        EXPECT_GE(std::min({part.Width, part.Height, part.ZHeight}), 1) << name;
        if (LibShapeType(part.LibObjID) == Circle) {
            EXPECT_EQ(part.Width, part.Height) << name;  // a circle's diameter is its width
        }
        EXPECT_NE(part.CategoryMask, 0u) << name;
        EXPECT_EQ(part.CategoryMask & 1u, 0u) << name << " names an unknown category";
        categories |= part.CategoryMask;
        EXPECT_NE(part.LineColor, NoColour) << name;
        EXPECT_NE(part.FillColor, part.LineColor) << name;
    }
    EXPECT_EQ(categories, 0x3FEu);
}

// The gallery room in the documentation is made from the library and made again when it changes.
TEST(LibrarySymbolsGallery, GalleryRoomShowsEveryLibraryObjectOnceWithItsCaption)
{
    CRoom room;
    ASSERT_TRUE(room.Load(GalleryFile));
    std::multiset<std::string> objects, labels, library;
    for (const CPart& part : room.Parts)
        if (part.InUse)
            (part.Type == Label ? labels : objects).insert(part.Caption);
    for (const CPart& part : LibraryEntries())
        library.insert(part.Caption);
    EXPECT_EQ(objects, library);
    EXPECT_EQ(labels, library);
}
