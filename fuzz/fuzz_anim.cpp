// Animation descriptions (data/text/): load_anim_object, then its destroy.
#include "animator.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz_init();
    fuzz_write("data/text/fuzz.txt", data, size);
    fuzz_run([] { destroy_anim_object(load_anim_object("fuzz.txt")); });
    return 0;
}
