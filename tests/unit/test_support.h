// Helpers shared by the unit tests: a scratch directory that becomes the
// working directory, a fake clock, and a way to observe fatal errors.
#ifndef TEST_SUPPORT_H
#define TEST_SUPPORT_H

#include <allegro.h>
#include <stdexcept>
#include <string>

// Thrown by the critical_error hook that FatalErrors installs.
struct FatalError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// While alive, critical_error throws FatalError instead of ending the run.
class FatalErrors {
public:
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

// A clock under the test's control: now() is what the time source reads,
// and sleeping advances it (so waits finish at once).
namespace fake_clock {
void install(unsigned long start_us = 0);
void uninstall();
void advance_us(unsigned long us);
unsigned long now();
long slept_us();  // total asked for through sleep
}  // namespace fake_clock

#endif
