// comix_show -- plays comics in a window, for looking at them while they are
// made.  Run it in a game folder:
//     COMIX="finish1.cmx start2.cmx" comix_show
// plays each named comic in turn (default "intro.cmx"), then leaves.
// Sound is started when a sound card is there and silently left off if not.
//
//     comix_show --lint
// checks the comics of the game folder without playing them, read by the
// game's own reader: the fixed comics, those levels.txt names and every
// other script that is not only included.  Every word is a command with all
// its numbers, or a note in capitals (a lowercase word that is no command
// is a misspelt one, which the player would silently skip); slot and image
// numbers lie in 0..19; every file named exists and is of its kind; no
// picture or sound is used before it is loaded, or loaded over a loaded
// one; an included script includes nothing further; together the comics use
// every command.  One "FAIL:" line a fault, and exit status 1 on any.
#include <allegro.h>
#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "boot.h"
#include "close_focus.h"
#include "comix.h"
#include "criterr.h"
#include "init.h"
#include "input.h"
#include "layout.h"
#include "reader.h"
#include "variable.h"

namespace {

const char *const fixed_comics[] = {"intro.cmx", "goodbye.cmx", "gameover.cmx"};
int faults = 0;
std::set<int> used;

void fault(const std::string &file, const std::string &message)
{
    fprintf(stderr, "FAIL: %s: %s\n", file.c_str(), message.c_str());
    faults++;
}

bool exists(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool ends_with(const std::string &s, const char *end)
{
    size_t n = strlen(end);
    return s.size() >= n && s.compare(s.size() - n, n, end) == 0;
}

// What a comic has loaded, slot by slot: pictures and sounds.
struct Loaded {
    std::set<int> pictures, sounds;
};

void lint_script(const std::string &main, const std::string &name, int nested, Loaded *loaded)
{
    if (!exists(COMIC_DIR + name)) {
        fault(main, "names " + name + ", which is missing");
        return;
    }
    COMIC_SCRIPT s = {};
    comic_open(&s, name.c_str(), 0);
    COMIC_COMMAND c;
    while (comic_next(&s, &c)) {
        std::string word = c.word;
        if (c.cmd == COMIC_NOTE) {
            for (char ch : word)
                if (ch >= 'a' && ch <= 'z') {
                    fault(name, "\"" + word + "\" is no command of the comic language");
                    break;
                }
            continue;
        }
        used.insert(c.cmd);
        int want = comic_cmd_numbers(c.cmd);
        if (c.count < want || (comic_cmd_name(c.cmd) && !c.has_name)) {
            fault(name, word + " lacks some of its arguments (it reads " + std::to_string(c.count) +
                            " of its " + std::to_string(want) + " numbers)");
            continue;
        }
        bool slots_ok = true;
        for (int n = 0; n < c.count; n++)
            if (comic_cmd_slot(c.cmd, n) && (c.args[n] < 0 || c.args[n] >= COMIX_SLOTS)) {
                fault(name, word + " uses number " + std::to_string(c.args[n]) + " outside 0.." +
                                std::to_string(COMIX_SLOTS - 1));
                slots_ok = false;
            }
        if (!slots_ok)
            continue;
        const int *a = c.args;
        switch (c.cmd) {
        case CMD_IMAGE:
        case CMD_SOUND: {
            bool picture = c.cmd == CMD_IMAGE;
            std::set<int> &slots = picture ? loaded->pictures : loaded->sounds;
            if (!exists(c.name))
                fault(name, word + " names " + c.name + ", which is missing");
            if (!ends_with(c.name, picture ? ".bmp" : ".wav"))
                fault(name, word + " loads " + c.name + ", not a " + (picture ? "picture" : "sound"));
            if (!slots.insert(a[0]).second)
                fault(name, word + " " + std::to_string(a[0]) + " is loaded again without being released first");
            break;
        }
        case CMD_DESTROY:
        case CMD_DESTROY_SOUND:
            if (!(c.cmd == CMD_DESTROY ? loaded->pictures : loaded->sounds).erase(a[0]))
                fault(name, word + " " + std::to_string(a[0]) + " releases a slot that holds nothing");
            break;
        case CMD_VIRTUAL:
            if (!loaded->pictures.count(a[1]))
                fault(name, "virtual " + std::to_string(a[0]) + " is cut from picture slot " +
                                std::to_string(a[1]) + ", which holds nothing");
            break;
        case CMD_PLAY_SOUND:
        case CMD_REPEAT_SOUND:
            if (!loaded->sounds.count(a[0]))
                fault(name, word + " " + std::to_string(a[0]) + " plays a slot that holds nothing");
            if (a[1] < 0 || a[1] > 255 || a[2] < 0 || a[2] > 255)
                fault(name, word + " volume or pan outside 0..255");
            break;
        case CMD_ANIME:
            if (a[1] > 0 && a[2] < 1)
                fault(name, "anime " + std::to_string(a[0]) + " runs with a tempo below 1");
            break;
        case CMD_INCLUDE:
            if (nested)
                fault(name, "includes " + std::string(c.name) +
                                " inside an included script, which the player passes over");
            else
                lint_script(main, c.name, 1, loaded);
            break;
        }
    }
    comic_close(&s);
}

void lint_fatal(const char *message)
{
    fprintf(stderr, "FAIL: %s\n", message);
    exit(1);
}

int lint(void)
{
    critical_error_hook = lint_fatal;
    std::set<std::string> mains(std::begin(fixed_comics), std::end(fixed_comics));
    for (const char *name : fixed_comics)
        if (!exists(std::string(COMIC_DIR) + name))
            fault(name, "the comic is missing");

    // The comics levels.txt names, listed with the game's own grammar.
    std::set<std::string> named;
    LEVEL_SCRIPT_VISITOR v = {};
    v.data = &named;
    v.level_word = [](void *, int, int) {};
    v.block = [](void *, int, int) {};
    v.stray = [](void *, const char *, int) {};
    v.entry = [](void *data, int, const char *, const char *const args[2], int key, int) {
        if (key == LK_KOMIX_START || key == LK_KOMIX_FINISH)
            static_cast<std::set<std::string> *>(data)->insert(args[0]);
    };
    if (walk_level_script(LEVEL_SCRIPT, &v)) {
        for (const std::string &name : named)
            if (!exists(COMIC_DIR + name))
                fault(LEVEL_SCRIPT, "names the comic " + name + ", which is missing");
        printf("-- levels.txt names %zu comics\n", named.size());
        mains.insert(named.begin(), named.end());
    }

    // Every other script that no script includes is a comic of its own.
    std::set<std::string> scripts, included;
    if (DIR *dir = opendir(COMIC_DIR)) {
        while (dirent *e = readdir(dir))
            if (ends_with(e->d_name, ".cmx"))
                scripts.insert(e->d_name);
        closedir(dir);
    }
    for (const std::string &name : scripts) {
        COMIC_SCRIPT s = {};
        comic_open(&s, name.c_str(), 0);
        COMIC_COMMAND c;
        while (comic_next(&s, &c))
            if (c.cmd == CMD_INCLUDE && c.has_name)
                included.insert(c.name);
        comic_close(&s);
    }
    for (const std::string &name : scripts)
        if (!included.count(name))
            mains.insert(name);

    for (const std::string &name : mains) {
        Loaded loaded;
        lint_script(name, name, 0, &loaded);
    }
    printf("-- scripts checked: %zu comics and their included scripts\n", mains.size());
    std::string unused;
    for (int cmd = 0; cmd < COMIC_CMD_COUNT; cmd++)
        if (!used.count(cmd))
            unused += std::string(" ") + comic_cmd_word(cmd);
    if (!unused.empty())
        fault("the comics", "no comic uses:" + unused);
    else
        printf("-- the comics use every command of the language\n");
    return faults ? 1 : 0;
}

}  // namespace

static void leave_now(void)
{
    allegro_exit();
    exit(0);
}

int main(int argc, char **argv)
{
    if (argc > 1 && strcmp(argv[1], "--lint") == 0)
        return lint();
    if (boot_allegro(SYSTEM_AUTODETECT) != 0) {
        fprintf(stderr, "comix_show: no display\n");
        return 1;
    }
    install_keyboard();
    install_timer();
    install_mouse();
    click_latch_install();
    color_depth = 32;
    set_color_depth(32);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, 640, 480, 0, 0) < 0) {
        fprintf(stderr, "comix_show: %s\n", allegro_error);
        return 1;
    }
    install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr);
    close_button_install();
    close_handler = leave_now;
    game_screen = create_bitmap(SCREEN_W, SCREEN_H);
    clear_bitmap(game_screen);

    const char *env = getenv("COMIX");
    char names[256];
    snprintf(names, sizeof names, "%s", env && *env ? env : "intro.cmx");
    for (char *name = strtok(names, " "); name; name = strtok(nullptr, " ")) {
        long start = cas;
        comix_play(name);
        brix_timer();
        printf("%s %.2f s\n", name, (cas - start) / 100.0);
        fflush(stdout);
    }
    allegro_exit();
    return 0;
}
END_OF_MAIN()
