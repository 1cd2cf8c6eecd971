// The help files shipped with the program: every anchor the program opens exists in each,
// and every picture they show is there.

#include "editor/HelpLinks.h"

#include "support/TempDir.h"

#include <filesystem>
#include <regex>

#include <gtest/gtest.h>

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
