// The set-up file (setup.cfg): read_setup.
#include "setup.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz_init();
    fuzz_write(SETUP_FILE, data, size);
    SETUP_VALUES values;
    fuzz_run([&values] { read_setup(SETUP_FILE, &values); });
    return 0;
}
