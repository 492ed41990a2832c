// The readers of the animation files and of setup.cfg: a value beyond its
// field, or beyond any integer, is refused naming the file, the field and
// the value; and the comic stage keeps a script's numbers bounded.
#include <allegro.h>
#include <gtest/gtest.h>

#include <string>

#include "animator.h"
#include "comix.h"
#include "present.h"
#include "setup.h"
#include "test_support.h"
#include "variable.h"

namespace {

TEST(Readers, AnimationNumbersBeyondTheirFieldAreRefusedByName)
{
    const struct {
        const char *text, *message;
    } cases[] = {
        // x + width used to overflow the test of the frame against its picture.
        {"1\npic.bmp\n1\n0 2147483647 1 2147483647 0 0 0\n0\n", "lies outside its 8 x 8 picture"},
        {"1\npic.bmp\n1\n0 8 8 0 0 0 0\n1\n0 1\n0 2147483648 0\n", "a step's delay is 2147483648, not 0 to 360000"},
    };
    ScratchDir dir;
    FatalErrors fatal;
    dir.write_bmp("data/gfx/pic.bmp", 8, 8, 1, 2, 3);
    for (const auto &c : cases) {
        dir.write("data/text/b.txt", c.text);
        std::string message = fatal_of([] { destroy_anim_object(load_anim_object("b.txt")); });
        EXPECT_EQ(message.find("Broken file data/text/b.txt: "), 0u) << message;
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }
}

// Each row: setup.cfg, then what is read ("=mode colour music scale") or
// the refusal.
TEST(Readers, SetupTakesEveryColourDepthAndScaleItCanShowAndRefusesTheRest)
{
    const struct {
        const char *text, *result;
    } cases[] = {
        {"GFX_MODE 2\nGFX_COLOR 8\nMUSIC_ON 1\nSCALE 4\n", "=2 8 1 4"},
        {"GFX_MODE 0 GFX_COLOR 15 MUSIC_ON 0 SCALE 0", "=0 15 0 0"},
        {"GFX_MODE 1 GFX_COLOR 16 MUSIC_ON 1 SCALE 5", "=1 16 1 0"},
        {"GFX_MODE 1 GFX_COLOR 24 MUSIC_ON 1 SCALE -1", "=1 24 1 0"},
        {"GFX_MODE 1 GFX_COLOR 32 SCALE 2", "=1 32 0 2"},
        {"GFX_MODE 1\nGFX_COLOR 7\n", "Broken file setup.cfg: GFX_COLOR is 7, not 8, 15, 16, 24 or 32"},
        {"GFX_MODE 1\nGFX_COLOR 33\n", "Broken file setup.cfg: GFX_COLOR is 33, not 8, 15, 16, 24 or 32"},
        {"GFX_MODE 99999999999\nGFX_COLOR 8\n", "Broken file setup.cfg: GFX_MODE is 99999999999, too large a number"},
        {"GFX_MODE 1\nGFX_COLOR 8\nMUSIC_ON -2147483649", "Broken file setup.cfg: MUSIC_ON is -2147483649, too"},
    };
    static_assert(MAX_SCALE == 4, "the rows above take 4 for the largest scale");
    ScratchDir dir;
    FatalErrors fatal;
    const int files = open_files();
    for (const auto &c : cases) {
        dir.write("setup.cfg", c.text);
        SETUP_VALUES v = {};
        std::string result = fatal_of([&] { read_setup("setup.cfg", &v); });
        if (result.empty())
            result = "=" + std::to_string(v.gfx_mode) + " " + std::to_string(v.gfx_color) + " " +
                     std::to_string(v.music_on) + " " + std::to_string(v.scale);
        EXPECT_EQ(result.substr(0, strlen(c.result)), c.result) << c.text;
    }
    EXPECT_EQ(open_files(), files) << "setup.cfg was left open";
}

// The comic stage adds a script's numbers up tick after tick and multiplies
// them: the results stay bounded instead of wrapping round.
TEST(Readers, ComicNumbersAddedUpOrMultipliedStayBounded)
{
    ScratchDir dir;
    std::string script = "virtual 0 0 0 0 1000000 10\nresize_rel 0 1000000 0 0 0\n";
    for (int i = 0; i < 2200; i++)
        script += "setreal 0 1000000 -1000000\n";
    dir.write("data/comix/drift.cmx", script);
    comix_play("drift.cmx");
    EXPECT_GT(v_image[0].X, 1000000);
    EXPECT_LT(v_image[0].Y, -1000000);
    EXPECT_GT(v_image[0].re_width, 0);
}

}  // namespace
