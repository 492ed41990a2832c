// Helpers shared by the unit tests: a scratch directory that becomes the
// working directory, and a way to observe fatal errors.
#ifndef TEST_SUPPORT_H
#define TEST_SUPPORT_H

#include <allegro.h>

#include <functional>
#include <string>

#include "headless.h"

// Thrown by the critical_error hook that FatalErrors installs.
using FatalError = HeadlessFatal;

// While alive, critical_error throws FatalError instead of ending the run.
struct FatalErrors {
    FatalErrors();
    ~FatalErrors();
};

// A fresh directory under /tmp, made the working directory while alive.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    const std::string &path() const { return dir_; }
    void write(const std::string &rel, const std::string &text) const;
    // A 24-bit BMP of w x h filled with colour (r, g, b).
    void write_bmp(const std::string &rel, int w, int h, int r, int g, int b) const;
    // A short 16-bit mono WAV.
    void write_wav(const std::string &rel) const;

private:
    std::string dir_;
    std::string old_cwd_;
};

// The message of the fatal error `run` ends in ("" if it ends normally).
std::string fatal_of(const std::function<void()> &run);

// Files this process has open: a reader must close its file however it ends.
int open_files();

// The fake clock is the one of headless.h (fake_clock::install ...).

#endif
