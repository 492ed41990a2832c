// The data files' tokenizer: words and numbers at their bounds, the comic's
// commands as the player and the look ahead read them, and the level script
// as the tools list it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "init.h"
#include "reader.h"
#include "test_support.h"

namespace {

// A file of `text` to read from, closed with the fixture.
struct TextFile {
    ScratchDir dir;
    FatalErrors fatal;
    FILE *f = nullptr;
    explicit TextFile(const std::string &text, const char *name = "t.txt")
    {
        dir.write(name, text);
        f = fopen(name, "r");
    }
    ~TextFile() { fclose(f); }
};

TEST(Reader, WordsAreCutAtTheirBufferAndTooLongOnesAreFatalWhereAWordMustFit)
{
    TextFile t(" \t\v\fabcd\r\nef\n");
    char out[4];
    char guarded[8] = "zzzzzzz";
    EXPECT_EQ(scan_word(t.f, guarded, 4), 4u);          // the full length...
    EXPECT_STREQ(guarded, "abc");                       // ...cut to fit,
    EXPECT_EQ(guarded[4], 'z');                         // and nothing written past it
    EXPECT_EQ(scan_word(t.f, out, sizeof out), 2u);
    EXPECT_STREQ(out, "ef");
    EXPECT_EQ(scan_word(t.f, out, sizeof out), 0u);

    TextFile u("abc abcd");
    EXPECT_EQ(read_token(u.f, out, sizeof out, "t.txt"), 1);
    EXPECT_EQ(fatal_of([&] { read_token(u.f, out, sizeof out, "t.txt"); }),
              "Broken file t.txt: the word abc... is longer than 3 characters");
    EXPECT_EQ(read_token(u.f, out, sizeof out, "t.txt"), 0);
}

// Each row: how the number is read (from text; from a file as any int or
// as -5 to 6000), and what is read ("=value", then the text left) or the
// refusal.
TEST(Reader, NumbersFitAnIntAndTheirFieldOrAreRefusedByName)
{
    const struct {
        char how;
        const char *text, *result;
    } cases[] = {
        {'t', "2147483647 X", "=2147483647 X"}, {'t', "-2147483648", "=-2147483648"}, {'t', "07x", "=7x"},
        {'t', "2147483648", ""}, {'t', "-2147483649", ""}, {'t', "99999999999999999999", ""},
        {'t', "+5", ""}, {'t', "-", ""},
        {'i', " -2147483648 ", "=-2147483648"}, {'i', "+2147483647", "=2147483647"},
        {'i', "2147483648", "Broken file t.txt: DELAY is 2147483648, too large a number"},
        {'i', "-2147483649", "Broken file t.txt: DELAY is -2147483649, too large a number"},
        {'i', "99999999999999999999", "Broken file t.txt: DELAY is beyond 1000000000000, too large a number"},
        {'i', " \n ", "Broken file t.txt: it ends before DELAY"},
        {'i', "ten", "Broken file t.txt: DELAY is not a number"},
        {'r', "-5", "=-5"}, {'r', "6000", "=6000"},
        {'r', "-6", "Broken file t.txt: DELAY is -6, not -5 to 6000"},
        {'r', "6001", "Broken file t.txt: DELAY is 6001, not -5 to 6000"},
        {'r', "-99999999999999999", "Broken file t.txt: DELAY is beyond -1000000000000, not -5 to 6000"},
    };
    for (const auto &c : cases) {
        TextFile t(c.text);
        int v = 0;
        const char *rest = "";
        std::string result = fatal_of([&] {
            if (c.how == 't')
                rest = scan_int_text(c.text, &v);
            else
                v = c.how == 'i' ? read_int(t.f, "t.txt", "DELAY") : read_int_range(t.f, "t.txt", "DELAY", -5, 6000);
        });
        if (result.empty() && rest)
            result = "=" + std::to_string(v) + rest;
        EXPECT_EQ(result, c.result) << c.how << " " << c.text;
    }
}

// Each row: a script, and the commands read from it as "word:numbers[:name]".
TEST(Reader, AComicCommandTakesItsNumbersUntilOneIsMissing)
{
    const struct {
        const char *script;
        int nested;
        std::vector<std::string> read;
    } cases[] = {
        {"NOTE setxy 1 2 3 4", 0, {"NOTE", "setxy:1,2,3", "4"}},
        {"move 1 2 x 3", 0, {"move:1,2", "x", "3"}},
        {"image 2 pic.bmp sound x.wav", 0, {"image:2:data/comix/pic.bmp", "sound:", "x.wav"}},
        {"include part.cmx cls", 0, {"include::part.cmx", "cls:"}},
        {"include image 1 a.bmp", 1, {"include:", "1", "a.bmp"}},   // passed over with its word
        {"quit image 3", 0, {"quit:", "image:3"}},     // the script ends before the name
    };
    for (const auto &c : cases) {
        ScratchDir dir;
        dir.write("data/comix/s.cmx", c.script);
        COMIC_SCRIPT s = {};
        comic_open(&s, "s.cmx", c.nested);
        COMIC_COMMAND cmd;
        std::vector<std::string> got;
        while (comic_next(&s, &cmd)) {
            if (cmd.cmd == COMIC_NOTE) {
                got.push_back(cmd.word);
                continue;
            }
            std::string row = std::string(comic_cmd_word(cmd.cmd)) + ":";
            for (int i = 0; i < cmd.count; i++)
                row += (i ? "," : "") + std::to_string(cmd.args[i]);
            if (cmd.has_name)
                row += std::string(":") + cmd.name;
            got.push_back(row);
        }
        comic_close(&s);
        EXPECT_EQ(got, c.read) << c.script;
    }
    // The numbers that name a slot or an image, for the look ahead.
    for (int n = -1; n <= COMIC_MAX_ARGS; n++) {
        EXPECT_EQ(comic_cmd_slot(CMD_VIRTUAL, n), n == 0 || n == 1) << n;
        EXPECT_EQ(comic_cmd_slot(CMD_DELAY, n), 0) << n;
    }
    EXPECT_EQ(comic_cmd_slot(COMIC_CMD_COUNT, 0) + comic_cmd_slot(COMIC_NOTE, 0), 0);
}

// The look ahead before a comic passes over what the playing will refuse;
// neither leaves the script open.
TEST(Reader, AComicsFaultsAreFatalWhenPlayedAndPassedOverWhenLookedAhead)
{
    const std::string scripts[] = {
        "delay 1000001",
        "virtual 0 0 0 0 2147483647 1",
        "image 0 " + std::string(25, 'n') + ".bmp",       // data/comix/ and 29 do not fit in 39
        "include " + std::string(36, 'i') + ".cmx",       // a word of 40
    };
    const int files = open_files();
    for (const std::string &text : scripts) {
        ScratchDir dir;
        FatalErrors fatal;
        dir.write("data/comix/s.cmx", text);
        for (int lenient : {0, 1}) {
            COMIC_SCRIPT s = {};
            comic_open(&s, "s.cmx", 0);
            s.lenient = lenient;
            COMIC_COMMAND cmd;
            std::string message = fatal_of([&] { comic_next(&s, &cmd); });
            comic_close(&s);
            EXPECT_EQ(message.empty(), lenient == 1) << text << ": " << message;
            EXPECT_NE(message.find(lenient ? "" : "Broken file data/comix/s.cmx: "), std::string::npos) << message;
            EXPECT_FALSE(lenient && cmd.has_name) << text;
        }
    }
    EXPECT_EQ(open_files(), files);
}

std::vector<std::string> listed;
void list(const std::string &row) { listed.push_back(row); }

// The tools list the level script as the search and the loader read it: a
// block the search cannot reach, a word between blocks and a word the
// loader passes over all show.
TEST(Reader, TheLevelScriptIsListedWithTheLoadersGrammar)
{
    ScratchDir dir;
    dir.write("data/levels/l.txt",
              "LEVEL 1\nCREATURE a.txt 3\nREFRESH_DOR 10\nEND_OF_LEVEL 1\n"
              "STRAY word\n"
              "LEVEL 2\nMODE 0\n"          // no END_OF_LEVEL: level 2 reads on into level 3
              "LEVEL 3\nNEXT 1\nEND_OF_LEVEL 3\n");
    LEVEL_SCRIPT_VISITOR v;
    v.data = nullptr;
    v.level_word = [](void *, int n, int line) { list("raw " + std::to_string(n) + "@" + std::to_string(line)); };
    v.block = [](void *, int n, int) { list("block " + std::to_string(n)); };
    v.entry = [](void *, int n, const char *w, const char *const a[2], int key, int line) {
        list(std::to_string(n) + (key >= 0 ? " " : " ?") + w + " " + a[0] + " " + a[1] + "@" + std::to_string(line));
    };
    v.stray = [](void *, const char *w, int line) { list(std::string("stray ") + w + "@" + std::to_string(line)); };
    ASSERT_EQ(walk_level_script("l.txt", &v), 1);
    const std::vector<std::string> expected = {
        "raw 1@1", "raw 2@6", "raw 3@8",
        "block 1", "1 CREATURE a.txt 3@2", "1 ?REFRESH_DOR  @3", "1 ?10  @3", "1 END_OF_LEVEL 1 @4",
        "stray STRAY@5",
        "block 2", "2 MODE 0 @7", "2 ?LEVEL  @8", "2 ?3  @8", "2 NEXT 1 @9", "2 END_OF_LEVEL 3 @10",
        "block 3", "3 NEXT 1 @9", "3 END_OF_LEVEL 3 @10",
    };
    EXPECT_EQ(listed, expected);
    int numbers[4] = {};
    EXPECT_EQ(list_level_numbers("l.txt", numbers, 4), 3);
    EXPECT_EQ((std::vector<int>(numbers, numbers + 4)), (std::vector<int>{1, 2, 3, 0}));
    EXPECT_EQ(list_level_numbers("l.txt", numbers, 2), 2);
    EXPECT_EQ(list_level_numbers("none.txt", numbers, 4), -1);
}

}  // namespace
