// Animation description files: layouts, sparse slots, every rejected fault,
// and the three drawing anchors checked in pixels.
#include <gtest/gtest.h>

#include <string>

#include "animator.h"
#include "boot.h"
#include "criterr.h"
#include "test_support.h"
#include "variable.h"

namespace {

class Animator : public ::testing::Test {
protected:
    ScratchDir dir;
    FatalErrors fatal;
    void SetUp() override
    {
        dir.write_bmp("data/gfx/pic.bmp", 200, 100, 200, 40, 40);
        dir.write_bmp("data/gfx/sub/two.bmp", 50, 50, 40, 200, 40);
        game_screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    }
    void TearDown() override
    {
        destroy_bitmap(game_screen);
        game_screen = nullptr;
    }
    std::string fatal_message(const std::string &text)
    {
        dir.write("data/text/bad.txt", text);
        try {
            ANIM_OBJECT_STRUCTURE *obj = load_anim_object("bad.txt");
            destroy_anim_object(obj);
        } catch (const FatalError &e) {
            return e.what();
        }
        return "";
    }
};

const char *recommended =
    "2\n"
    "pic.bmp\n"
    "sub/two.bmp\n"
    "3\n"
    "0 40 60 10 20 -5 -3\n"
    "1 41 30 0 0 0 0\n"
    "0 10 10 100 50 0 0\n"
    "2\n"
    "0 2\n"
    "0 5 2 7 1\n"
    "5 1\n"
    "1 9 0\n";

TEST_F(Animator, ReadsTheRecommendedLayout)
{
    dir.write("data/text/a.txt", recommended);
    ANIM_OBJECT_STRUCTURE *obj = load_anim_object("a.txt");
    EXPECT_EQ(obj->bitmap_count, 2);
    EXPECT_EQ(obj->frame_count, 3);
    EXPECT_EQ(obj->actual_animation, 0);
    EXPECT_EQ(obj->actual_frame, 0);
    EXPECT_EQ(obj->last_time, 0);
    const ONE_FRAME_STRUCTURE &f = obj->frame[0];
    EXPECT_EQ(f.image, 0);
    EXPECT_EQ(f.width, 40);
    EXPECT_EQ(f.height, 60);
    EXPECT_EQ(f.image_position_X, 10);
    EXPECT_EQ(f.image_position_Y, 20);
    EXPECT_EQ(f.move_X, -5);
    EXPECT_EQ(f.move_Y, -3);
    EXPECT_EQ(obj->image[1]->w, 50);
    EXPECT_EQ(obj->animation[0].count, 2);
    EXPECT_EQ(obj->animation[0].frame[0].index, 0);
    EXPECT_EQ(obj->animation[0].frame[0].delay, 5);
    EXPECT_EQ(obj->animation[0].frame[1].index, 2);
    EXPECT_EQ(obj->animation[0].frame[1].delay, 7);
    EXPECT_EQ(obj->animation[0].loop_start, 1);
    EXPECT_EQ(obj->animation[5].count, 1);
    for (int k : {1, 2, 3, 4, 6, 39})
        EXPECT_EQ(obj->animation[k].count, 0) << "slot " << k;
    EXPECT_EQ(destroy_anim_object(obj), 0);
}

TEST_F(Animator, LineBreaksAreNotSignificant)
{
    std::string one_line = recommended, one_per_line = recommended;
    for (char &c : one_line)
        if (c == '\n')
            c = ' ';
    for (char &c : one_per_line)
        if (c == ' ')
            c = '\n';
    dir.write("data/text/line.txt", one_line);
    dir.write("data/text/tall.txt", "\t\n" + one_per_line + "\n\n");
    for (const char *name : {"line.txt", "tall.txt"}) {
        ANIM_OBJECT_STRUCTURE *obj = load_anim_object(name);
        EXPECT_EQ(obj->frame_count, 3) << name;
        EXPECT_EQ(obj->animation[0].frame[1].index, 2) << name;
        EXPECT_EQ(obj->animation[5].frame[0].index, 1) << name;
        EXPECT_EQ(obj->frame[0].move_Y, -3) << name;
        destroy_anim_object(obj);
    }
}

TEST_F(Animator, ASlotNamedTwiceKeepsTheSecondRecord)
{
    dir.write("data/text/twice.txt", "1 pic.bmp 1 0 10 10 0 0 0 0 2  7 1 0 0 0  7 2 0 1 0 1 1");
    ANIM_OBJECT_STRUCTURE *obj = load_anim_object("twice.txt");
    EXPECT_EQ(obj->animation[7].count, 2);
    EXPECT_EQ(obj->animation[7].loop_start, 1);
    destroy_anim_object(obj);
}

TEST_F(Animator, MissingFilesNameTheirFullPath)
{
    try {
        load_anim_object("nothere.txt");
        FAIL();
    } catch (const FatalError &e) {
        EXPECT_STREQ(e.what(), "Unable to open file data/text/nothere.txt");
    }
    EXPECT_EQ(fatal_message("1 gone.bmp 0 0"), "Unable to open file data/gfx/gone.bmp");
}

TEST_F(Animator, BrokenInvariantsAreRefusedWithTheFileAndTheFault)
{
    struct Case {
        const char *text;
        const char *fault;
    } cases[] = {
        {"1 pic.bmp 1 0 10 10 0 0 0 0 1 40 1 0 0 0", "animation slot is 40"},
        {"1 pic.bmp 1 0 10 10 0 0 0 0 1 -1 1 0 0 0", "animation slot is -1"},
        {"1 pic.bmp 1 0 10 10 0 0 0 0 1 0 -3 0", "step count is -3"},
        {"1 pic.bmp 1 0 10 10 0 0 0 0 1 0 999999 0", "step count is 999999"},
        {"-2 pic.bmp", "picture count is -2"},
        {"1 pic.bmp -1", "picture-frame count is -1"},
        {"1 pic.bmp 1 0 10 10 0 0 0 0 1 0 1 1 0 0", "names picture frame 1 of 1"},
        {"1 pic.bmp 1 0 10 10 0 0 0 0 1 0 1 -1 0 0", "names picture frame -1 of 1"},
        {"1 pic.bmp 1 1 10 10 0 0 0 0 0", "names picture 1 of 1"},
        {"1 pic.bmp 1 0 10 10 195 0 0 0 0", "lies outside its 200 x 100 picture"},
        {"1 pic.bmp 1 0 10 10 0 0 0 0 1 0 2 0 0 0 0 2", "loop start 2 of slot 0"},
        {"1 pic.bmp 1 0 10 10 0 0 0 0 1 0 2 0 0 0 0 -1", "loop start -1 of slot 0"},
        {"1 pic.bmp 1 0 10 10 0 0 0 0 2 0 1 0 0 0", "ends before an animation slot"},
        {"1 pic.bmp 1 0 10 10 0", "ends before a picture frame's y"},
        {"1 pic.bmp 1 0 ten 10 0 0 0 0 0", "width is not a number"},
        {"", "ends before the picture count"},
    };
    for (const Case &c : cases) {
        std::string message = fatal_message(c.text);
        EXPECT_NE(message.find("data/text/bad.txt"), std::string::npos) << c.text << " -> " << message;
        EXPECT_NE(message.find(c.fault), std::string::npos) << c.text << " -> " << message;
    }
}

TEST_F(Animator, NamesTooLongForThePathBuffersAreRefused)
{
    std::string long_name(40, 'x');
    try {
        load_anim_object(long_name.c_str());
        FAIL();
    } catch (const FatalError &e) {
        EXPECT_NE(std::string(e.what()).find("File name too long"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find(long_name), std::string::npos);
    }
    // A 30-character picture name fits, a 31-character one does not.
    std::string pic30 = std::string(26, 'p') + ".bmp";
    dir.write_bmp("data/gfx/" + pic30, 10, 10, 1, 2, 3);
    dir.write("data/text/ok.txt", "1 " + pic30 + " 0 0");
    destroy_anim_object(load_anim_object("ok.txt"));
    EXPECT_NE(fatal_message("1 " + std::string(27, 'p') + ".bmp 0 0").find("File name too long"),
              std::string::npos);
    // A word far longer than any buffer is refused, not overflowed.
    EXPECT_NE(fatal_message("1 " + std::string(5000, 'q') + " 0 0").find("longer than"), std::string::npos);
}

class Anchors : public Animator {
protected:
    ANIM_OBJECT_STRUCTURE *obj = nullptr;
    int red;
    void SetUp() override
    {
        Animator::SetUp();
        // Picture frame 1 is a 41 x 30 red rectangle; frame 2 the same with offsets (-5, 3).
        dir.write_bmp("data/gfx/red.bmp", 41, 30, 255, 0, 0);
        dir.write("data/text/anchor.txt",
                  "1 red.bmp 3 0 1 1 0 0 0 0  0 41 30 0 0 0 0  0 41 30 0 0 -5 3 "
                  "2  1 3 0 1 0 1 1 1 0  2 1 2 1 0");
        obj = load_anim_object("anchor.txt");
        red = makecol(255, 0, 0);
        clear_to_color(game_screen, makecol(0, 0, 0));
    }
    void TearDown() override
    {
        destroy_anim_object(obj);
        Animator::TearDown();
    }
    // The bounding box of red pixels.
    void red_box(int *x1, int *y1, int *x2, int *y2)
    {
        *x1 = *y1 = 10000;
        *x2 = *y2 = -1;
        for (int y = 0; y < game_screen->h; y++)
            for (int x = 0; x < game_screen->w; x++)
                if (getpixel(game_screen, x, y) == red) {
                    *x1 = std::min(*x1, x);
                    *y1 = std::min(*y1, y);
                    *x2 = std::max(*x2, x);
                    *y2 = std::max(*y2, y);
                }
    }
};

TEST_F(Anchors, EachAnchorPlacesTheRectangleItsOwnWay)
{
    int x1, y1, x2, y2;
    draw_center_bottom(obj, 100, 200, 1, 2);
    red_box(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 80);
    EXPECT_EQ(y1, 170);
    EXPECT_EQ(x2, 80 + 40);
    EXPECT_EQ(y2, 170 + 29);

    clear_to_color(game_screen, makecol(0, 0, 0));
    draw_center_top(obj, 100, 200, 1, 2);
    red_box(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 80);
    EXPECT_EQ(y1, 200);

    clear_to_color(game_screen, makecol(0, 0, 0));
    fr_draw_anim_object(obj, 100, 200, 1, 2);
    red_box(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 100);
    EXPECT_EQ(y1, 200);
}

TEST_F(Anchors, MoveOffsetsShiftEveryVariant)
{
    int x1, y1, x2, y2;
    fr_draw_anim_object(obj, 100, 200, 2, 0);
    red_box(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 95);
    EXPECT_EQ(y1, 203);
    clear_to_color(game_screen, makecol(0, 0, 0));
    draw_center_bottom(obj, 100, 200, 2, 0);
    red_box(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 75);
    EXPECT_EQ(y1, 173);
}

TEST_F(Anchors, EmptySlotsAndStepsOutsideASlotDrawNothing)
{
    int x1, y1, x2, y2;
    fr_draw_anim_object(obj, 100, 200, 3, 0);   // empty slot
    fr_draw_anim_object(obj, 100, 200, 1, 3);   // beyond the slot's steps
    fr_draw_anim_object(obj, 100, 200, 1, -1);
    fr_draw_anim_object(obj, 100, 200, 40, 0);  // no such slot
    fr_draw_anim_object(obj, 100, 200, -1, 0);
    fr_draw_anim_object(nullptr, 100, 200, 0, 0);
    red_box(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x2, -1);
    EXPECT_EQ(anim_frame(obj, 1, 3), nullptr);
    EXPECT_EQ(anim_frame(obj, 1, 0), anim_frame(obj, 1, 1));   // same picture frame
}

TEST(Setup, ReadsTheThreeKeysWithAnySpacing)
{
    ScratchDir dir;
    SETUP_VALUES v;
    dir.write("a.cfg", "GFX_MODE 1\nGFX_COLOR 16\nMUSIC_ON 1\n");
    EXPECT_EQ(read_setup("a.cfg", &v), 0);
    EXPECT_EQ(v.gfx_mode, 1);
    EXPECT_EQ(v.gfx_color, 16);
    EXPECT_EQ(v.music_on, 1);
    dir.write("b.cfg", "GFX_MODE\n\n  7GFX_COLOR\t24 MUSIC_ON");
    EXPECT_EQ(read_setup("b.cfg", &v), 0);
    EXPECT_EQ(v.gfx_mode, 7);
    EXPECT_EQ(v.gfx_color, 24);
    EXPECT_EQ(v.music_on, 0);   // unreadable MUSIC_ON leaves music off
}

TEST(Setup, MissingOrSwappedFilesFallBackToTheDefaults)
{
    ScratchDir dir;
    SETUP_VALUES v;
    EXPECT_EQ(read_setup("none.cfg", &v), -1);
    EXPECT_EQ(v.gfx_mode, DEFAULT_GFX_MODE);
    EXPECT_EQ(v.gfx_color, DEFAULT_GFX_COLOR);
    EXPECT_EQ(v.music_on, 0);
    dir.write("swap.cfg", "GFX_COLOR 16\nGFX_MODE 1\nMUSIC_ON 1\n");
    EXPECT_EQ(read_setup("swap.cfg", &v), -1);
    EXPECT_EQ(v.gfx_color, DEFAULT_GFX_COLOR);
    EXPECT_EQ(v.music_on, 0);
    dir.write("half.cfg", "GFX_MODE 1\nGFX_COLOR sixteen\n");
    EXPECT_EQ(read_setup("half.cfg", &v), -1);
    EXPECT_EQ(v.gfx_mode, DEFAULT_GFX_MODE);
}

TEST(Setup, OnlyModeOneChoosesTheSafeDriver)
{
    EXPECT_EQ(gfx_driver_for_mode(1), GFX_SAFE);
    for (int m : {0, 2, 7, -1})
        EXPECT_EQ(gfx_driver_for_mode(m), GFX_AUTODETECT);
}

TEST(CriticalError, LongMessagesAreCutNotOverflowed)
{
    FatalErrors fatal;
    std::string huge(5000, 'z');
    try {
        critical_error("Unable to open file %s", huge.c_str());
        FAIL();
    } catch (const FatalError &e) {
        EXPECT_EQ(std::string(e.what()).size(), (size_t)CRITERR_BUFFER_SIZE - 1);
    }
}

}  // namespace
