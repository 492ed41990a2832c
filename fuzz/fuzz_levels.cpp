// The level script (data/levels/): load_level of a level the input's length
// picks, then destroy_level, from the state a new game starts in.
#include "fuzz_common.h"
#include "init.h"
#include "variable.h"

static const int wanted[] = {1, 2, 7, 13, 1000, 1001};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz_init();
    fuzz_write("data/levels/fuzz.txt", data, size);
    obtiznost = (int)(size % 3);
    level_mode = 0;
    max_doors_open = 0;
    pocet_zivotu = 3;
    int index = wanted[size % (sizeof wanted / sizeof wanted[0])];
    fuzz_run([index] { load_level("fuzz.txt", index); });
    destroy_level();
    return 0;
}
