# Deadeye Gulch -- the front door.
#   make        install what is missing, build the game and its data
#   make play   the same, then start the game from build/game/
#   make test   the same, then run every test (end-to-end ones under Xvfb),
#               the unit tests again under ASan and UBSan ($(BUILD)/sanitize)
#               and each reader's fuzzer for TEST_FUZZ_SECONDS ($(BUILD)/fuzz)
#   make fuzz   the readers' fuzzers, FUZZ_SECONDS each (FUZZ_TARGETS: some)
#   make install    build, then install under PREFIX (default /usr/local),
#                   staged under DESTDIR when it is set; make uninstall undoes it
#   make package    build, then a Debian package in $(BUILD)/package/
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local
DESTDIR ?=

SANITIZE_BUILD = $(BUILD)/sanitize
FUZZ_BUILD = $(BUILD)/fuzz
TEST_FUZZ_SECONDS ?= 5
FUZZ_SECONDS ?= 600
FUZZ_TARGETS ?=

.PHONY: all deps build play test bench clean install uninstall package sanitize-build fuzz-build fuzz

all: build

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

play: build
	cd $(BUILD)/game && ./deadeye

test: build sanitize-build fuzz-build
	ctest --test-dir $(BUILD) --output-on-failure -j 2
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ASAN_OPTIONS=detect_leaks=1 \
	  ctest --test-dir $(SANITIZE_BUILD) -L unit --output-on-failure -j 2
	ctest --test-dir $(FUZZ_BUILD) -L fuzz --output-on-failure -j 2

# The unit tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize-build: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDEADEYE_SANITIZE=ON >/dev/null
	cmake --build $(SANITIZE_BUILD) --target unit_tests -j $(JOBS)
	ln -sfn ../game $(SANITIZE_BUILD)/game    # the tests that read the built data find it there

# The readers' fuzz targets (clang, libFuzzer, ASan, UBSan), fed from the data
# tree of $(BUILD).
fuzz-build: build
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DDEADEYE_FUZZ=ON -DDEADEYE_FUZZ_DATA=$(abspath $(BUILD))/game/data \
	  -DDEADEYE_FUZZ_SECONDS=$(TEST_FUZZ_SECONDS) >/dev/null
	cmake --build $(FUZZ_BUILD) --target fuzzers -j $(JOBS)

fuzz: fuzz-build
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

bench: build
	tools/with-xvfb.sh bench/run.sh $(BUILD)
	XVFB_SCREEN=1400x1050x24 tools/with-xvfb.sh bench/responsiveness.sh $(BUILD)

# make install keeps its own list of the files it put in, DESTDIR included
# (CMake's manifest leaves DESTDIR out and is rewritten by every install, the
# package's too); make uninstall removes exactly those, and the folders left
# empty.
INSTALLED = $(BUILD)/installed-files.txt

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)" --strip
	sed 's|^|$(DESTDIR)|' $(BUILD)/install_manifest.txt > $(INSTALLED)

uninstall:
	packaging/uninstall.sh $(INSTALLED)

package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD)
