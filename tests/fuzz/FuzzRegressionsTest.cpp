// Every seed and every finding of the fuzz targets goes through the target's own entry
// function; under the sanitizer build a finding that comes back fails here.

#include "FuzzFiles.h"
#include "FuzzInputs.h"

#include <gtest/gtest.h>

namespace {

struct Target {
    const char* name;
    void (*entry)(std::string_view);
};

void PrintTo(const Target& target, std::ostream* out)
{
    *out << target.name;
}

class FuzzRegressions : public ::testing::TestWithParam<Target> {};

TEST_P(FuzzRegressions, EveryKeptInputIsHandled)
{
    const Target target = GetParam();
    const std::vector<FuzzFile> files = FuzzFiles(target.name, target.name);
    ASSERT_FALSE(files.empty()) << "no seed files for " << target.name;
    for (const FuzzFile& file : files) {
        SCOPED_TRACE(file.path);
        target.entry(file.bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzRegressions,
                         ::testing::Values(Target{"room", FuzzRoomFile}, Target{"catalogue", FuzzCatalogueFile},
                                           Target{"language", FuzzLanguageFile},
                                           Target{"settings", FuzzSettingsFile}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
