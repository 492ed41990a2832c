// Every unit test runs with Allegro started without a display; fatal errors
// are observed only under FatalErrors.
#include <gtest/gtest.h>

#include "criterr.h"
#include "headless.h"

namespace {
struct AllegroEnvironment : ::testing::Environment {
    void SetUp() override { headless_start("unit_tests"), critical_error_hook = nullptr; }
};
const auto *const allegro_env = ::testing::AddGlobalTestEnvironment(new AllegroEnvironment);
}  // namespace
