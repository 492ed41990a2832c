// fuzz_common.cpp -- the scratch game folder and the fatal hook of the fuzz targets.
#include "fuzz_common.h"

#include <allegro.h>
#include <dirent.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <string>

#include "headless.h"

#ifndef DEADEYE_FUZZ_DATA_DEFAULT
#define DEADEYE_FUZZ_DATA_DEFAULT "build/game/data"
#endif

// Folders whose files the targets replace: made real, their files linked
// one by one.  Every other entry of data/ is linked as it is.
static const char *const written_dirs[] = {"text", "object", "decor", "levels", "comix"};

static void die(const char *what, const std::string &path)
{
    fprintf(stderr, "fuzz: %s %s: %s\n", what, path.c_str(), strerror(errno));
    abort();
}

static bool is_written(const char *name)
{
    for (const char *d : written_dirs)
        if (strcmp(d, name) == 0)
            return true;
    return false;
}

static void link_entries(const std::string &from, const std::string &to, bool top)
{
    DIR *dir = opendir(from.c_str());
    if (!dir)
        die("cannot read", from);
    while (struct dirent *e = readdir(dir)) {
        if (e->d_name[0] == '.')
            continue;
        std::string src = from + "/" + e->d_name, dst = to + "/" + e->d_name;
        if (top && is_written(e->d_name)) {
            if (mkdir(dst.c_str(), 0700) != 0)
                die("cannot make", dst);
            link_entries(src, dst, false);
        } else if (symlink(src.c_str(), dst.c_str()) != 0) {
            die("cannot link", dst);
        }
    }
    closedir(dir);
    for (const char *d : written_dirs) {   // present even if the tree lacks one
        std::string dst = to + "/" + d;
        if (top)
            mkdir(dst.c_str(), 0700);
    }
}

static std::string scratch_dir;

static void remove_scratch(void)
{
    if (!scratch_dir.empty()) {
        std::string cmd = "rm -rf '" + scratch_dir + "'";
        if (system(cmd.c_str()) != 0)
            fprintf(stderr, "fuzz: could not remove %s\n", scratch_dir.c_str());
    }
}

void fuzz_init(void)
{
    static bool done = false;
    if (done)
        return;
    done = true;

    const char *env = getenv("DEADEYE_FUZZ_DATA");
    char data[PATH_MAX];
    if (!realpath(env && *env ? env : DEADEYE_FUZZ_DATA_DEFAULT, data))
        die("no data tree at", env && *env ? env : DEADEYE_FUZZ_DATA_DEFAULT);

    // In memory where the machine has it: every input is written to a file.
    struct stat shm;
    char dir[64];
    snprintf(dir, sizeof dir, "%s/deadeye-fuzz-XXXXXX",
             stat("/dev/shm", &shm) == 0 && S_ISDIR(shm.st_mode) ? "/dev/shm" : "/tmp");
    if (!mkdtemp(dir))
        die("cannot make", dir);
    scratch_dir = dir;
    atexit(remove_scratch);
    std::string root = scratch_dir + "/data";
    if (mkdir(root.c_str(), 0700) != 0)
        die("cannot make", root);
    link_entries(data, root, true);
    if (chdir(dir) != 0)
        die("cannot enter", dir);

    headless_start("fuzz");
}

void fuzz_write(const char *rel, const uint8_t *data, size_t size)
{
    FILE *f = fopen(rel, "wb");
    if (!f)
        die("cannot write", rel);
    if (size && fwrite(data, 1, size, f) != size)
        die("cannot write", rel);
    if (fclose(f) != 0)
        die("cannot write", rel);
}

// ---------------------------------------------------------------------------
// The shipped pictures and sounds are read once: the targets are linked with
// --wrap for load_bitmap and load_sample, and every later load of the same
// path gets a fresh copy of what the first load gave (or the same failure),
// so a reader still owns and destroys what it loads, at a fraction of the
// cost of decoding the file again for every input.
extern "C" BITMAP *__real_load_bitmap(const char *filename, RGB *pal);
extern "C" SAMPLE *__real_load_sample(const char *filename);

namespace {
struct CachedPicture {
    BITMAP *bitmap;
    PALETTE palette;
};
// Kept to the very end of the process (never destroyed), so the leak check
// at exit sees the cached copies as still in use.
std::map<std::string, CachedPicture> &pictures = *new std::map<std::string, CachedPicture>;
std::map<std::string, SAMPLE *> &sounds = *new std::map<std::string, SAMPLE *>;
}  // namespace

extern "C" BITMAP *__wrap_load_bitmap(const char *filename, RGB *pal)
{
    auto it = pictures.find(filename);
    if (it == pictures.end()) {
        CachedPicture c;
        c.bitmap = __real_load_bitmap(filename, c.palette);
        it = pictures.emplace(filename, c).first;
    }
    const CachedPicture &c = it->second;
    if (!c.bitmap)
        return nullptr;
    if (pal)
        memcpy(pal, c.palette, sizeof(PALETTE));
    BITMAP *copy = create_bitmap_ex(bitmap_color_depth(c.bitmap), c.bitmap->w, c.bitmap->h);
    if (copy)
        blit(c.bitmap, copy, 0, 0, 0, 0, c.bitmap->w, c.bitmap->h);
    return copy;
}

extern "C" SAMPLE *__wrap_load_sample(const char *filename)
{
    auto it = sounds.find(filename);
    if (it == sounds.end())
        it = sounds.emplace(filename, __real_load_sample(filename)).first;
    const SAMPLE *c = it->second;
    if (!c)
        return nullptr;
    SAMPLE *copy = create_sample(c->bits, c->stereo, c->freq, c->len);
    if (copy)
        memcpy(copy->data, c->data, (size_t)c->len * (c->bits / 8) * (c->stereo ? 2 : 1));
    return copy;
}
