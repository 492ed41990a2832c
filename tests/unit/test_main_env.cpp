// Every unit test runs with Allegro started without a display.
#include <gtest/gtest.h>

#include "criterr.h"
#include "headless.h"

namespace {
class AllegroEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        headless_start("unit_tests");
        critical_error_hook = nullptr;  // fatal errors are observed only under FatalErrors
    }
};
const auto *const allegro_env = ::testing::AddGlobalTestEnvironment(new AllegroEnvironment);
}  // namespace
