#include "model/CPart.h"

#include "model/ModelServices.h"

#include <map>
#include <vector>

#include <gtest/gtest.h>

TEST(CPartTest, NewObjectsTakeTheOptionsFillColour)
{
    Services().defaults.fillColour = 0x123456;
    EXPECT_EQ(CPart().FillColor, 0x123456u);
}

TEST(CPartTest, TypeNamesRoundTripUnknownsAreRectanglesAndSymbolsStandForTheirShape)
{
    for (int type = Rectangle; type <= LibraryObject; ++type)
        EXPECT_EQ(TypeFromName(TypeName(type)), type);
    EXPECT_EQ(TypeName(99), "Rectangle");
    EXPECT_EQ(TypeFromName("door"), Rectangle);
    EXPECT_EQ(TypeFromName(""), Rectangle);

    // A library object stands for the basic shape of its symbol: the round and six-sided
    // symbols for theirs, any other for a rectangle, and one without a symbol for itself.
    CPart part;
    part.Type = LibraryObject;
    std::map<int, std::vector<int>> symbols;
    for (part.LibObjID = 0; part.LibObjID < 100; ++part.LibObjID)
        symbols[part.ShapeType()].push_back(part.LibObjID);
    EXPECT_EQ(symbols[Circle], (std::vector{25, 26, 27, 33, 81}));
    EXPECT_EQ(symbols[Ellipse], (std::vector{50, 51}));
    EXPECT_EQ(symbols[Hexagon], (std::vector{68, 69}));
    EXPECT_EQ(symbols[LibraryObject], std::vector{0});
}

TEST(CPartTest, DescribesObjectsForTheHoverText)
{
    CPart part;
    part.Type = Door;
    part.Width = 80;
    part.Height = 10;
    EXPECT_EQ(part.Describe(), "Door, 80\u00D710");
    part.Caption = "Main";
    EXPECT_EQ(part.Describe(), "Main (Door, 80\u00D710)");
    part.Type = Label;
    EXPECT_EQ(part.Describe(), "Main");
    part.Caption.clear();
    EXPECT_EQ(part.Describe(), "Label, 80\u00D710");

    Services().libraryName = [](int id) { return id == 12 ? std::string("Wardrobe") : std::string(); };
    part.Type = LibraryObject;
    part.LibObjID = 12;
    EXPECT_EQ(part.Describe(), "Wardrobe, 80\u00D710");
    part.LibObjID = 13;
    EXPECT_EQ(part.Describe(), "From library, 80\u00D710");
}
