#include "test_support.h"

#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "criterr.h"

std::string fatal_of(const std::function<void()> &run)
{
    try {
        run();
    } catch (const FatalError &e) {
        return e.what();
    }
    return "";
}

int open_files()
{
    int n = 0;
    for (const auto &entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        (void)entry;
        n++;
    }
    return n;
}

FatalErrors::FatalErrors() { critical_error_hook = headless_fatal_hook; }
FatalErrors::~FatalErrors() { critical_error_hook = nullptr; }

ScratchDir::ScratchDir()
{
    char tmpl[] = "/tmp/deadeye-test-XXXXXX";
    dir_ = mkdtemp(tmpl);
    char cwd[4096];
    old_cwd_ = getcwd(cwd, sizeof cwd) ? cwd : "/";
    if (chdir(dir_.c_str()) != 0)
        throw std::runtime_error("cannot enter scratch dir");
}

ScratchDir::~ScratchDir()
{
    if (chdir(old_cwd_.c_str()) != 0) {
    }
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

void ScratchDir::write(const std::string &rel, const std::string &text) const
{
    std::filesystem::path p = std::filesystem::path(dir_) / rel;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p) << text;
}

void ScratchDir::write_bmp(const std::string &rel, int w, int h, int r, int g, int b) const
{
    std::filesystem::path p = std::filesystem::path(dir_) / rel;
    std::filesystem::create_directories(p.parent_path());
    BITMAP *bmp = create_bitmap_ex(24, w, h);
    clear_to_color(bmp, makecol_depth(24, r, g, b));
    PALETTE pl;
    get_palette(pl);
    save_bmp(p.c_str(), bmp, pl);
    destroy_bitmap(bmp);
}

void ScratchDir::write_wav(const std::string &rel) const
{
    // A 16-bit mono PCM WAV of 220 samples, written by hand (Allegro has no writer).
    auto le = [](unsigned v, int bytes) { return std::string((const char *)&v, bytes); };
    const unsigned samples = 220;
    std::string wav = "RIFF" + le(36 + samples * 2, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) +
                      le(22050, 4) + le(22050 * 2, 4) + le(2, 2) + le(16, 2) + "data" + le(samples * 2, 4);
    for (unsigned i = 0; i < samples; i++)
        wav += le((unsigned)(((int)(i % 20) - 10) * 300), 2);
    write(rel, wav);
}
