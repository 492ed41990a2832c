// The level script (data/levels/): load_level of a level the input's length
// picks, then destroy_level, from the state a new game starts in.
#include "fuzz_common.h"
#include "init.h"
#include "layout.h"
#include "variable.h"

static const int wanted[] = {FIRST_LEVEL, 2, 7, 13, SECRET_CHEAT_LEVEL, DUEL_CHEAT_LEVEL};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz_init();
    fuzz_write(LEVEL_DIR "fuzz.txt", data, size);
    obtiznost = (int)(size % (DIFFICULTY_HARD + 1));
    level_state_at_start();
    pocet_zivotu = NEW_GAME_LIVES;
    int index = wanted[size % (sizeof wanted / sizeof wanted[0])];
    fuzz_run([index] { load_level("fuzz.txt", index); });
    destroy_level();
    return 0;
}
