// Every test starts with the room model's built-in services and the interface in English,
// whatever the test before it installed, and leaves no language behind that it destroyed.

#include "localize/Messages.h"
#include "model/ModelServices.h"

#include <gtest/gtest.h>

namespace {

class CleanServices : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { Reset(); }
    void OnTestEnd(const testing::TestInfo&) override { Reset(); }

    static void Reset()
    {
        ResetServices();
        SetCurrentLocalizer(nullptr);
    }
};

const bool Installed = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new CleanServices);
    return true;
}();

}  // namespace
