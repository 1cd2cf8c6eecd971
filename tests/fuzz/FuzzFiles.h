#pragma once
// The files a fuzz target is checked with in the test suite: its seed corpus and the findings
// kept in its regressions folder.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct FuzzFile {
    std::string path;
    std::string bytes;
};

// `corpus` names the seed folder, which the Qt room target shares with the room target.
inline std::vector<FuzzFile> FuzzFiles(const std::string& target, const std::string& corpus)
{
    std::vector<FuzzFile> files;
    const std::filesystem::path root(PLANZETA_FUZZ_DIR);
    for (const auto& folder : {root / "corpus" / corpus, root / "regressions" / target}) {
        if (!std::filesystem::is_directory(folder))
            continue;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::ostringstream bytes;
            bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
            files.push_back({entry.path().string(), bytes.str()});
        }
    }
    return files;
}
