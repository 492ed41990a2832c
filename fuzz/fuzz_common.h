// fuzz_common.h -- what every reader's fuzz target shares.
//
// Each target writes the fuzzer's input into a scratch game folder whose
// data/ holds the shipped data (linked, not copied), calls the game's own
// reader on it, and releases what the reader loaded.  A reader that refuses
// the input ends through critical_error, which here throws FuzzFatal back to
// the target instead of ending the process.
#ifndef FUZZ_COMMON_H
#define FUZZ_COMMON_H

#include <stddef.h>
#include <stdint.h>

#include "headless.h"

using FuzzFatal = HeadlessFatal;

// Once per process: Allegro without a display, the scratch folder (made the
// working directory) with data/ built from the shipped data tree named by
// DEADEYE_FUZZ_DATA (or the build's default), the fatal hook.
void fuzz_init(void);

// Writes `size` bytes to `rel` under the scratch folder.
void fuzz_write(const char *rel, const uint8_t *data, size_t size);

// Runs `read`; a FuzzFatal from it is a refused file, which is fine.
template <typename Read>
void fuzz_run(Read read)
{
    try {
        read();
    } catch (const FuzzFatal &) {
    }
}

#endif
