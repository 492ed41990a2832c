#include "test_support.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "criterr.h"

namespace fs = std::filesystem;

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
    fs::directory_iterator fds("/proc/self/fd");
    return (int)std::distance(fs::begin(fds), fs::end(fds));
}

FatalErrors::FatalErrors() { critical_error_hook = headless_fatal_hook; }
FatalErrors::~FatalErrors() { critical_error_hook = nullptr; }

ScratchDir::ScratchDir() : old_cwd_(fs::current_path())
{
    char tmpl[] = "/tmp/deadeye-test-XXXXXX";
    dir_ = mkdtemp(tmpl);
    fs::current_path(dir_);
}

ScratchDir::~ScratchDir()
{
    std::error_code ec;
    fs::current_path(old_cwd_, ec);
    fs::remove_all(dir_, ec);
}

void ScratchDir::write(const std::string &rel, const std::string &text) const
{
    fs::create_directories((fs::path(dir_) / rel).parent_path());
    std::ofstream(fs::path(dir_) / rel) << text;
}

void ScratchDir::write_bmp(const std::string &rel, int w, int h, int r, int g, int b) const
{
    write(rel, "");     // makes its folder
    BITMAP *bmp = create_bitmap_ex(24, w, h);
    clear_to_color(bmp, makecol_depth(24, r, g, b));
    PALETTE pl;
    get_palette(pl);
    save_bmp((fs::path(dir_) / rel).c_str(), bmp, pl);
    destroy_bitmap(bmp);
}

// A 16-bit mono PCM WAV of 220 samples, written by hand (Allegro has no writer).
void ScratchDir::write_wav(const std::string &rel) const
{
    auto le = [](unsigned v, int bytes) { return std::string((const char *)&v, bytes); };
    std::string wav = "RIFF" + le(36 + 440, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(22050, 4) +
                      le(22050 * 2, 4) + le(2, 2) + le(16, 2) + "data" + le(440, 4);
    for (unsigned i = 0; i < 220; i++)
        wav += le((unsigned)(((int)(i % 20) - 10) * 300), 2);
    write(rel, wav);
}
