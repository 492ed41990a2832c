// Creature files (data/object/): load_object into entry 0, then its destroy,
// at the difficulty the input's length picks.
#include "fuzz_common.h"
#include "init.h"
#include "layout.h"
#include "variable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz_init();
    fuzz_write("data/object/fuzz.txt", data, size);
    obtiznost = (int)(size % (DIFFICULTY_HARD + 1));
    fuzz_run([] { load_object("fuzz.txt", 0); });
    destroy_object(0);
    return 0;
}
