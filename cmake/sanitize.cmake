# The unit tests under AddressSanitizer (LeakSanitizer with it) and
# UndefinedBehaviorSanitizer: -DDEADEYE_SANITIZE=ON.  Any report fails the
# test that made it (the Makefile's test target sets UBSAN_OPTIONS so).
option(DEADEYE_SANITIZE "Build the game's code and the unit tests with ASan and UBSan" OFF)
if(DEADEYE_SANITIZE)
  set(SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
                     -fno-omit-frame-pointer)
  target_compile_options(deadeye_core PRIVATE ${SANITIZE_FLAGS})
  target_compile_options(unit_tests PRIVATE ${SANITIZE_FLAGS})
  target_compile_options(headless PRIVATE ${SANITIZE_FLAGS})
  target_link_options(deadeye_core INTERFACE -fsanitize=address,undefined)
  # FORTIFY's checked calls and ASan's interceptors do not mix well.
  target_compile_options(deadeye_core PRIVATE -U_FORTIFY_SOURCE)
endif()
