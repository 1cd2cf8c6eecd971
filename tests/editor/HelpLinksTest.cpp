#include "editor/HelpLinks.h"

#include "support/TempDir.h"

#include <filesystem>
#include <regex>

#include <gtest/gtest.h>

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

// The help files shipped with the program: every anchor the program opens exists in each, and
// every picture they show is there.
TEST(HelpFiles, HaveEveryAnchorAndEveryPicture)
{
    const std::string data = PLANZETA_SOURCE_DIR "/data";
    for (const char* name : {"Plz.html", "Plz-de.html", "Plz-cs.html"}) {
        const std::string html = TempDir::ReadFile(data + "/" + name);
        ASSERT_FALSE(html.empty()) << name;
        for (int context = HelpLicense; context <= HelpExplore3D; ++context)
            EXPECT_NE(html.find("id=\"" + std::string(HelpAnchor(context)) + "\""), std::string::npos)
                << name << " #" << HelpAnchor(context);
        const std::regex picture("<img src=\"([^\"]+)\"");
        int pictures = 0;
        for (auto it = std::sregex_iterator(html.begin(), html.end(), picture); it != std::sregex_iterator(); ++it) {
            ++pictures;
            EXPECT_TRUE(std::filesystem::is_regular_file(data + "/" + (*it)[1].str())) << name << ": " << (*it)[1];
        }
        EXPECT_GE(pictures, 4) << name;
    }
}
