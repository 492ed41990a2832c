# Fuzz targets of the game's readers (-DDEADEYE_FUZZ=ON, built with clang):
# one libFuzzer program per kind of file a player or level maker may edit,
# each linked with AddressSanitizer and UndefinedBehaviorSanitizer, with a
# dictionary of its format's words and a seed corpus of the shipped files
# (copied at build time) and the hand-made broken ones of fuzz/seeds/.
#   cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DDEADEYE_FUZZ=ON
#   cmake --build build/fuzz --target fuzzers
# Each fuzz_<reader> test runs its target for DEADEYE_FUZZ_SECONDS; the data
# tree the readers load their pictures and sounds from is DEADEYE_FUZZ_DATA.
option(DEADEYE_FUZZ "Build the libFuzzer targets of the data readers" OFF)
if(NOT DEADEYE_FUZZ)
  return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "DEADEYE_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
endif()

set(DEADEYE_FUZZ_SECONDS 5 CACHE STRING "Seconds each fuzz_<reader> test runs its target")
set(DEADEYE_FUZZ_DATA ${CMAKE_SOURCE_DIR}/build/game/data CACHE PATH
    "The built data tree the fuzz targets load pictures and sounds from")

set(FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
               -fno-omit-frame-pointer)
target_compile_options(deadeye_core PRIVATE ${FUZZ_FLAGS})
target_compile_options(headless PRIVATE ${FUZZ_FLAGS})
target_link_options(deadeye_core INTERFACE -fsanitize=address,undefined)

# reader: shipped seed files (a glob relative to the source tree)
set(FUZZ_READERS
  "anim:data/text/*.txt"
  "creature:data/object/*.txt"
  "decoration:data/decor/*.txt"
  "levels:data/levels/*.txt"
  "comix:data/comix/*.cmx"
  "topten:dist/top.txt"
  "setup:dist/setup.cfg")

add_library(fuzz_common STATIC ${CMAKE_SOURCE_DIR}/fuzz/fuzz_common.cpp)
target_compile_options(fuzz_common PRIVATE ${FUZZ_FLAGS})
target_compile_definitions(fuzz_common PRIVATE DEADEYE_FUZZ_DATA_DEFAULT="${DEADEYE_FUZZ_DATA}")
target_link_libraries(fuzz_common PUBLIC headless)

add_custom_target(fuzzers)
foreach(entry ${FUZZ_READERS})
  string(REPLACE ":" ";" entry ${entry})
  list(GET entry 0 reader)
  list(GET entry 1 pattern)
  set(target fuzz_${reader})
  add_executable(${target} ${CMAKE_SOURCE_DIR}/fuzz/${target}.cpp)
  target_compile_options(${target} PRIVATE ${FUZZ_FLAGS})
  target_link_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined
                      LINKER:--wrap=load_bitmap LINKER:--wrap=load_sample)
  target_link_libraries(${target} PRIVATE fuzz_common)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)

  # The seeds: the shipped files and the hand-made ones, copied afresh.
  set(seeds ${CMAKE_BINARY_DIR}/fuzz/seeds/${reader})
  file(GLOB shipped CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${pattern})
  file(GLOB handmade CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/seeds/${reader}/*)
  add_custom_command(OUTPUT ${seeds}/.stamp
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${seeds}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${seeds}
    COMMAND ${CMAKE_COMMAND} -E copy ${shipped} ${handmade} ${seeds}
    COMMAND ${CMAKE_COMMAND} -E touch ${seeds}/.stamp
    DEPENDS ${shipped} ${handmade} VERBATIM)
  add_custom_target(${target}_seeds DEPENDS ${seeds}/.stamp)
  add_dependencies(${target} ${target}_seeds)
  add_dependencies(fuzzers ${target})

  # A short run for the test suite; make fuzz runs them as long as asked.
  add_test(NAME ${target}
    COMMAND ${CMAKE_SOURCE_DIR}/fuzz/run.sh ${CMAKE_BINARY_DIR} ${DEADEYE_FUZZ_SECONDS} ${reader})
  set_tests_properties(${target} PROPERTIES LABELS fuzz
    ENVIRONMENT "DEADEYE_FUZZ_DATA=${DEADEYE_FUZZ_DATA}")
endforeach()
