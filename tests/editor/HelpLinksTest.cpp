#include "editor/HelpLinks.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(HelpLinks, TheUrlHoldsThePercentEncodedPathAndTheContextsAnchor)
{
    EXPECT_EQ(HelpUrl("/opt/planzeta/Plz.html", HelpLicense), "file:///opt/planzeta/Plz.html#license");
    EXPECT_EQ(HelpUrl("/opt/planzeta/Plz.html", HelpExplore3D), "file:///opt/planzeta/Plz.html#explore3D");
    EXPECT_EQ(HelpUrl("/opt/planzeta/Plz.html", 11), "file:///opt/planzeta/Plz.html");
    EXPECT_EQ(HelpUrl("/opt/planzeta/Plz.html", HelpContents), "file:///opt/planzeta/Plz.html");
    EXPECT_EQ(HelpUrl("/home/jan/My Help/Nápověda #1?.html", HelpLabels),
              "file:///home/jan/My%20Help/N%C3%A1pov%C4%9Bda%20%231%3F.html#labels");
    const std::string folder = std::filesystem::current_path().string();
    EXPECT_EQ(HelpUrl("data/../data/Plz.html", HelpContents), "file://" + folder + "/data/Plz.html");
}

TEST(HelpLinks, TheLanguagesHelpFileIsUsedOnlyWhenItLiesInTheDataFolder)
{
    TempDir data;
    std::filesystem::create_directory(data.file("de"));
    TempDir::WriteFile(data.file("de/Hilfe.html"), "<html/>");
    const std::string fallback = data.file("Plz.html");
    EXPECT_EQ(HelpFilePath(data.path(), ""), fallback);
    EXPECT_EQ(HelpFilePath(data.path(), "de\\Hilfe.html"), data.file("de/Hilfe.html"));
    EXPECT_EQ(HelpFilePath(data.path(), "de/Missing.html"), fallback);
    EXPECT_EQ(HelpFilePath(data.path(), "de"), fallback);
    EXPECT_EQ(HelpFilePath(data.path(), "de/../de/Hilfe.html"), fallback);
    EXPECT_EQ(HelpFilePath(data.path(), data.file("de/Hilfe.html")), fallback);
}
