// The readers' numbers: a value beyond its field, or beyond any integer, is
// refused naming the file, the field and the value, and the refusal leaves
// nothing open or allocated (the sanitizer run checks that).
#include <allegro.h>
#include <gtest/gtest.h>

#include <string>

#include "animator.h"
#include "setup.h"
#include "comix.h"
#include "init.h"
#include "test_support.h"
#include "variable.h"

namespace {

struct Case {
    const char *file;       // written under the scratch folder
    const char *text;
    const char *expected;   // part of the fatal message
};

const char *const anim = "1\npic.bmp\n1\n0 8 8 0 0 0 0\n5\n0 1\n0 1 0\n1 1\n0 1 0\n2 1\n0 1 0\n"
                         "3 1\n0 1 0\n4 1\n0 1 0\n";
const std::string creature(const char *delay)
{
    return std::string("ANIMATION a.txt\nTYPE 1\nDELAY ") + delay +
           "\nMAX_SHOW 1\nSCORE 5\nSOUND_DEAD s.wav\nSOUND_SHOT s.wav\nSOUND_CRY s.wav\nCHILD 0\nTICKS 1\n0 1\n";
}

TEST(Readers, NumbersBeyondTheirFieldAreRefusedByName)
{
    const std::string delay_max = creature("2147483647"), delay_huge = creature("99999999999999999999");
    const Case cases[] = {
        // The difficulty's adjustment of DELAY used to overflow.
        {"data/object/c.txt", delay_max.c_str(), "data/object/c.txt: DELAY is 2147483647, not 0 to 6000"},
        {"data/object/c.txt", delay_huge.c_str(), "DELAY is beyond 1000000000000, not 0 to 6000"},
        // x + width used to overflow the test of the frame against its picture.
        {"data/text/b.txt", "1\npic.bmp\n1\n0 2147483647 1 2147483647 0 0 0\n0\n", "lies outside its 8 x 8 picture"},
        {"data/text/b.txt", "1\npic.bmp\n1\n0 8 8 0 0 0 0\n1\n0 1\n0 2147483648 0\n",
         "a step's delay is 2147483648, not 0 to 360000"},
        {"data/levels/l.txt", "LEVEL 1\nREFRESH_DOOR 4294967297\nEND_OF_LEVEL 1\n",
         "REFRESH_DOOR of level 1 is 4294967297, not 0 to 1000"},
        {"data/comix/c.cmx", "virtual 0 0 0 0 2147483647 1\n", "a number of virtual is 2147483647"},
        {"setup.cfg", "GFX_MODE 1\nGFX_COLOR 7\n", "setup.cfg: GFX_COLOR is 7, not 8, 15, 16, 24 or 32"},
        {"setup.cfg", "GFX_MODE 99999999999\nGFX_COLOR 8\n", "GFX_MODE is 99999999999, too large"},
    };
    ScratchDir dir;
    FatalErrors fatal;
    dir.write_bmp("data/gfx/pic.bmp", 8, 8, 1, 2, 3);
    dir.write_wav("data/sound/s.wav");
    dir.write("data/text/a.txt", anim);
    for (const Case &c : cases) {
        dir.write(c.file, c.text);
        std::string message;
        try {
            std::string f = c.file;
            if (f == "data/object/c.txt") {
                load_object("c.txt", 0);
            } else if (f == "data/text/b.txt") {
                destroy_anim_object(load_anim_object("b.txt"));
            } else if (f == "data/levels/l.txt") {
                load_level("l.txt", 1);
            } else if (f == "data/comix/c.cmx") {
                comix_play("c.cmx");
            } else {
                SETUP_VALUES v;
                read_setup("setup.cfg", &v);
            }
        } catch (const FatalError &e) {
            message = e.what();
        }
        destroy_object(0);
        destroy_level();
        EXPECT_NE(message.find(c.expected), std::string::npos) << c.text << "\ngave: " << message;
    }
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
