// Every unit test runs with Allegro started without a display.
#include <allegro.h>
#include <errno.h>
#include <gtest/gtest.h>

namespace {
class AllegroEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_EQ(install_allegro(SYSTEM_NONE, &errno, atexit), 0);
        set_color_depth(32);
    }
};
const auto *const allegro_env = ::testing::AddGlobalTestEnvironment(new AllegroEnvironment);
}  // namespace
