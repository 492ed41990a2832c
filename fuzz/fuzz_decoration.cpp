// Decoration files (data/decor/): load_decoration into entry 0, then its destroy.
#include "fuzz_common.h"
#include "init.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz_init();
    fuzz_write("data/decor/fuzz.txt", data, size);
    fuzz_run([] { load_decoration("fuzz.txt", 0); });
    destroy_decoration(0);
    return 0;
}
