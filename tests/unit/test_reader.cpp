// The data files' readers: the tokenizer's words and numbers at their bounds,
// the comic's commands as the player and the look ahead read them, the level
// script as the tools list it; the numbers of the animation files and of
// setup.cfg refused by name, and the comic stage's kept bounded.
#include <gtest/gtest.h>
#include <string.h>

#include <string>
#include <vector>

#include "animator.h"
#include "comix.h"
#include "init.h"
#include "present.h"
#include "reader.h"
#include "setup.h"
#include "test_support.h"
#include "variable.h"

using std::string;
using std::to_string;

namespace {

// A file of `text` to read from, closed with the fixture.
struct TextFile {
    ScratchDir dir;
    FatalErrors fatal;
    FILE *f;
    explicit TextFile(const string &text) : f((dir.write("t.txt", text), fopen("t.txt", "r"))) {}
    ~TextFile() { fclose(f); }
};

TEST(Reader, WordsAreCutAtTheirBufferAndTooLongOnesAreFatalWhereAWordMustFit)
{
    TextFile t(" \t\v\fabcd\r\nef\n"), u("abc abcd");
    char out[4], guarded[8] = "zzzzzzz";
    EXPECT_EQ(scan_word(t.f, guarded, 4), 4u);                   // the full length, cut to fit,
    EXPECT_EQ(string(guarded, 5), string("abc\0z", 5));         // and nothing written past it
    EXPECT_EQ(scan_word(t.f, out, sizeof out), 2u);
    EXPECT_STREQ(out, "ef");
    EXPECT_EQ(scan_word(t.f, out, sizeof out), 0u);
    EXPECT_EQ(read_token(u.f, out, sizeof out, "t.txt"), 1);
    EXPECT_EQ(fatal_of([&] { read_token(u.f, out, sizeof out, "t.txt"); }),
              "Broken file t.txt: the word abc... is longer than 3 characters");
    EXPECT_EQ(read_token(u.f, out, sizeof out, "t.txt"), 0);
}

// Each row: how the number is read (from text; from a file as any int or as
// -5 to 6000), and what is read ("=value", then the text left) or the refusal
// that follows "Broken file t.txt: DELAY ".
TEST(Reader, NumbersFitAnIntAndTheirFieldOrAreRefusedByName)
{
    const struct {
        char how;
        const char *text, *result;
    } cases[] = {
        {'t', "2147483647 X", "=2147483647 X"}, {'t', "-2147483648", "=-2147483648"}, {'t', "07x", "=7x"},
        {'t', "2147483648", ""}, {'t', "-2147483649", ""}, {'t', "99999999999999999999", ""}, {'t', "+5", ""}, {'t', "-", ""},
        {'i', " -2147483648 ", "=-2147483648"}, {'i', "+2147483647", "=2147483647"},
        {'i', "2147483648", "is 2147483648, too large a number"}, {'i', "-2147483649", "is -2147483649, too large a number"},
        {'i', "99999999999999999999", "is beyond 1000000000000, too large a number"}, {'i', "ten", "is not a number"},
        {'i', " \n ", "Broken file t.txt: it ends before DELAY"}, {'r', "-5", "=-5"}, {'r', "6000", "=6000"},
        {'r', "-6", "is -6, not -5 to 6000"}, {'r', "6001", "is 6001, not -5 to 6000"},
        {'r', "-99999999999999999", "is beyond -1000000000000, not -5 to 6000"},
    };
    for (const auto &c : cases) {
        TextFile t(c.text);
        int v = 0;
        const char *rest = "";
        string result = fatal_of([&] {
            if (c.how == 't')
                rest = scan_int_text(c.text, &v);
            else
                v = c.how == 'i' ? read_int(t.f, "t.txt", "DELAY") : read_int_range(t.f, "t.txt", "DELAY", -5, 6000);
        });
        if (result.empty() && rest)
            result = "=" + to_string(v) + rest;
        EXPECT_EQ(result, (strchr("=B", c.result[0]) || !*c.result ? "" : "Broken file t.txt: DELAY ") + string(c.result))
            << c.how << " " << c.text;
    }
}

// The commands read from data/comix/s.cmx as "word:numbers[:name]", played
// or (lenient) looked ahead, then the fatal error the reading ends in if any.
std::vector<string> read_comic(int nested, int lenient)
{
    COMIC_SCRIPT s = {};
    comic_open(&s, "s.cmx", nested);
    s.lenient = lenient;
    COMIC_COMMAND cmd;
    std::vector<string> got;
    string fatal = fatal_of([&] {
        while (comic_next(&s, &cmd)) {
            string row = cmd.cmd == COMIC_NOTE ? cmd.word : string(comic_cmd_word(cmd.cmd)) + ":";
            for (int i = 0; i < cmd.count && cmd.cmd != COMIC_NOTE; i++)
                row += (i ? "," : "") + to_string(cmd.args[i]);
            got.push_back(row + (cmd.has_name && cmd.cmd != COMIC_NOTE ? string(":") + cmd.name : ""));
        }
    });
    comic_close(&s);
    if (!fatal.empty())
        got.push_back(fatal);
    return got;
}

// The look ahead before a comic passes over what the playing refuses;
// neither leaves the script open.  Each row: a script, nested or not, looked
// ahead or not, and what is read.
TEST(Reader, AComicCommandTakesItsNumbersUntilOneIsMissing)
{
    const string broken = "Broken file data/comix/s.cmx: ", image29 = "image 0 " + string(25, 'n') + ".bmp";
    const string include40 = "include " + string(36, 'i') + ".cmx";
    const struct {
        string script;
        int nested, lenient;
        std::vector<string> read;
    } cases[] = {
        {"NOTE setxy 1 2 3 4", 0, 0, {"NOTE", "setxy:1,2,3", "4"}}, {"move 1 2 x 3", 0, 0, {"move:1,2", "x", "3"}},
        {"image 2 pic.bmp sound x.wav", 0, 0, {"image:2:data/comix/pic.bmp", "sound:", "x.wav"}},
        {"include part.cmx cls", 0, 0, {"include::part.cmx", "cls:"}},
        {"include image 1 a.bmp", 1, 0, {"include:", "1", "a.bmp"}},   // passed over with its word
        {"quit image 3", 0, 0, {"quit:", "image:3"}},     // the script ends before the name
        {"delay 1000001", 0, 0, {broken + "a number of delay is 1000001, not -1000000 to 1000000"}},
        {"delay 1000001", 0, 1, {"delay:1000000"}}, {"virtual 0 0 0 0 2147483647 1", 0, 1, {"virtual:0,0,0,0,1000000,1"}},
        {"virtual 0 0 0 0 2147483647 1", 0, 0, {broken + "a number of virtual is 2147483647, not -1000000 to 1000000"}},
        {image29, 0, 0, {broken + "file name " + image29.substr(8) + " is longer than 28 characters"}},
        {image29, 0, 1, {"image:0"}}, {include40, 0, 1, {"include:"}},    // data/comix/ and 29 do not fit in 39
        {include40, 0, 0, {broken + "file name " + include40.substr(8, 39) + "... is longer than 28 characters"}},
    };
    ScratchDir dir;
    FatalErrors fatal;
    const int files = open_files();
    for (const auto &c : cases) {
        dir.write("data/comix/s.cmx", c.script);
        EXPECT_EQ(read_comic(c.nested, c.lenient), c.read) << c.script;
    }
    EXPECT_EQ(open_files(), files);
    for (int n = -1; n <= COMIC_MAX_ARGS; n++)     // the numbers that name a slot or an image, for the look ahead
        EXPECT_EQ(comic_cmd_slot(CMD_VIRTUAL, n) + 2 * comic_cmd_slot(CMD_DELAY, n), n == 0 || n == 1) << n;
    EXPECT_EQ(comic_cmd_slot(COMIC_CMD_COUNT, 0) + comic_cmd_slot(COMIC_NOTE, 0), 0);
}

std::vector<string> listed;

// The tools list the level script as the search and the loader read it: a
// block the search cannot reach, a word between blocks and a word the loader
// passes over all show.
TEST(Reader, TheLevelScriptIsListedWithTheLoadersGrammar)
{
    ScratchDir dir;
    dir.write("data/levels/l.txt", "LEVEL 1\nCREATURE a.txt 3\nREFRESH_DOR 10\nEND_OF_LEVEL 1\nSTRAY word\n"
                                   "LEVEL 2\nMODE 0\n"          // no END_OF_LEVEL: level 2 reads on into level 3
                                   "LEVEL 3\nNEXT 1\nEND_OF_LEVEL 3\n");
    LEVEL_SCRIPT_VISITOR v = {
        nullptr, [](void *, int n, int line) { listed.push_back("raw " + to_string(n) + "@" + to_string(line)); },
        [](void *, int n, int) { listed.push_back("block " + to_string(n)); },
        [](void *, int n, const char *w, const char *const a[2], int key, int line) {
            listed.push_back(to_string(n) + (key >= 0 ? " " : " ?") + w + " " + a[0] + " " + a[1] + "@" + to_string(line));
        },
        [](void *, const char *w, int line) { listed.push_back(string("stray ") + w + "@" + to_string(line)); }};
    ASSERT_EQ(walk_level_script("l.txt", &v), 1);
    EXPECT_EQ(listed, (std::vector<string>{
        "raw 1@1", "raw 2@6", "raw 3@8", "block 1", "1 CREATURE a.txt 3@2", "1 ?REFRESH_DOR  @3", "1 ?10  @3",
        "1 END_OF_LEVEL 1 @4", "stray STRAY@5", "block 2", "2 MODE 0 @7", "2 ?LEVEL  @8", "2 ?3  @8", "2 NEXT 1 @9",
        "2 END_OF_LEVEL 3 @10", "block 3", "3 NEXT 1 @9", "3 END_OF_LEVEL 3 @10"}));
    int n[4] = {}, found = list_level_numbers("l.txt", n, 4);
    EXPECT_EQ((std::vector<int>{found, n[0], n[1], n[2], n[3], list_level_numbers("l.txt", n, 2), list_level_numbers("none.txt", n, 4)}),
              (std::vector<int>{3, 1, 2, 3, 0, 2, -1}));
}

// The animation reader: x + width used to overflow the test of the frame
// against its picture; a step's delay has its field.
TEST(Reader, AnimationNumbersBeyondTheirFieldAreRefusedByName)
{
    ScratchDir dir;
    FatalErrors fatal;
    dir.write_bmp("data/gfx/pic.bmp", 8, 8, 1, 2, 3);
    for (auto [text, message] : {std::pair{"0 2147483647 1 2147483647 0 0 0\n0\n", "lies outside its 8 x 8 picture"},
                                 {"0 8 8 0 0 0 0\n1\n0 1\n0 2147483648 0\n", "a step's delay is 2147483648, not 0 to 360000"}}) {
        dir.write("data/text/b.txt", string("1\npic.bmp\n1\n") + text);
        string got = fatal_of([] { destroy_anim_object(load_anim_object("b.txt")); });
        EXPECT_EQ(got.find("Broken file data/text/b.txt: "), 0u) << got;
        EXPECT_NE(got.find(message), string::npos) << got;
    }
}

// Each row: setup.cfg, then what is read ("=mode colour music scale") or the
// refusal.
TEST(Reader, SetupTakesEveryColourDepthAndScaleItCanShowAndRefusesTheRest)
{
    static_assert(MAX_SCALE == 4, "the rows take 4 for the largest scale");
    const string colour = "Broken file setup.cfg: GFX_COLOR is ", depths = ", not 8, 15, 16, 24 or 32";
    const std::pair<const char *, string> cases[] = {
        {"GFX_MODE 2\nGFX_COLOR 8\nMUSIC_ON 1\nSCALE 4\n", "=2 8 1 4"}, {"GFX_MODE 0 GFX_COLOR 15 MUSIC_ON 0 SCALE 0", "=0 15 0 0"},
        {"GFX_MODE 1 GFX_COLOR 16 MUSIC_ON 1 SCALE 5", "=1 16 1 0"}, {"GFX_MODE 1 GFX_COLOR 24 MUSIC_ON 1 SCALE -1", "=1 24 1 0"},
        {"GFX_MODE 1 GFX_COLOR 32 SCALE 2", "=1 32 0 2"}, {"GFX_MODE 1\nGFX_COLOR 7\n", colour + "7" + depths},
        {"GFX_MODE 1\nGFX_COLOR 33\n", colour + "33" + depths},
        {"GFX_MODE 99999999999\nGFX_COLOR 8\n", "Broken file setup.cfg: GFX_MODE is 99999999999, too large a number"},
        {"GFX_MODE 1\nGFX_COLOR 8\nMUSIC_ON -2147483649", "Broken file setup.cfg: MUSIC_ON is -2147483649, too"},
    };
    ScratchDir dir;
    FatalErrors fatal;
    const int files = open_files();
    for (const auto &[text, want] : cases) {
        dir.write("setup.cfg", text);
        SETUP_VALUES v = {};
        string result = fatal_of([&] { read_setup("setup.cfg", &v); });
        if (result.empty())
            result = "=" + to_string(v.gfx_mode) + " " + to_string(v.gfx_color) + " " + to_string(v.music_on) + " " +
                     to_string(v.scale);
        EXPECT_EQ(result.substr(0, want.size()), want) << text;
    }
    EXPECT_EQ(open_files(), files) << "setup.cfg was left open";
}

// The comic stage adds a script's numbers up tick after tick and multiplies
// them: the results stay bounded instead of wrapping round.
TEST(Reader, ComicNumbersAddedUpOrMultipliedStayBounded)
{
    ScratchDir dir;
    string script = "virtual 0 0 0 0 1000000 10\nresize_rel 0 1000000 0 0 0\n";
    for (int i = 0; i < 2200; i++)
        script += "setreal 0 1000000 -1000000\n";
    dir.write("data/comix/drift.cmx", script);
    comix_play("drift.cmx");
    EXPECT_TRUE(v_image[0].X > 1000000 && v_image[0].Y < -1000000 && v_image[0].re_width > 0);
}

}  // namespace
