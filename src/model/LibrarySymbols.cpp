#include "model/LibrarySymbols.h"

#include "model/LibrarySymbolBodies.h"

#include <array>
#include <utility>

namespace {

using namespace symbols;

constexpr int FirstNumber = 20;
constexpr int LastNumber = 99;

constexpr std::pair<int, Body> Numbered[] = {
    {20, Cabinet},        {21, ChestOfDrawers}, {22, Wardrobe},         {23, WallCabinet},
    {24, Bookcase},       {25, Plant},          {26, FloorLamp},        {27, Stool},
    {28, Chair},          {29, Armchair},       {30, Sofa},             {31, OfficeChair},
    {32, Shelf},          {33, RoundTable},     {34, SingleBed},        {35, DoubleBed},
    {39, CornerShower},   {40, ShowerTray},     {41, Toilet},           {42, Bidet},
    {43, WashingMachine}, {44, CornerBathtub},  {45, Television},       {46, Bathtub},
    {47, Washbasin},      {48, DoubleWashbasin}, {49, KitchenSink},     {50, OvalTable},
    {51, OvalBathtub},    {52, Stove},          {53, TallCabinet},      {54, Refrigerator},
    {55, Dishwasher},     {56, Desk},           {57, CoffeeTable},      {58, DiningTable},
    {59, BedsideTable},   {60, DressingTable},  {61, Cot},              {63, Stairs},
    {64, Fireplace},      {65, Radiator},       {66, CornerSofa},       {67, Bench},
    {68, HexagonalTable}, {69, HexagonalTableWithChairs}, {70, GrandPiano}, {71, UprightPiano},
    {72, Rug},            {73, Car},            {74, BilliardTable},    {75, Computer},
    {77, IroningBoard},   {80, SpiralStairs},   {81, RoundTable},       {99, PlainBlock},
};

// Every number from FirstNumber to LastNumber, with its body or none.
constexpr std::array<Body, LastNumber - FirstNumber + 1> Bodies = [] {
    std::array<Body, LastNumber - FirstNumber + 1> bodies{};
    for (const auto& [number, body] : Numbered)
        bodies[static_cast<size_t>(number - FirstNumber)] = body;
    return bodies;
}();

}  // namespace

bool DrawLibraryObject(CPart& part, Canvas& canvas, int libObjID, int32_t offsetX, int32_t offsetY,
                       double zoom)
{
    if (libObjID < FirstNumber || libObjID > LastNumber)
        return false;
    const Body body = Bodies[static_cast<size_t>(libObjID - FirstNumber)];
    if (!body)
        return false;
    body({canvas, part, part.ScreenCorners(offsetX, offsetY, zoom), zoom});
    return true;
}
