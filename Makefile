# Deadeye Gulch -- the front door.
#   make        install what is missing, build the game and its data
#   make play   the same, then start the game from build/game/
#   make test   the same, then run every test (end-to-end ones under Xvfb)
#   make install    build, then install under PREFIX (default /usr/local),
#                   staged under DESTDIR when it is set; make uninstall undoes it
#   make package    build, then a Debian package in $(BUILD)/package/
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local
DESTDIR ?=

.PHONY: all deps build play test bench clean install uninstall package

all: build

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

play: build
	cd $(BUILD)/game && ./deadeye

test: build
	tools/with-xvfb.sh ctest --test-dir $(BUILD) --output-on-failure -j 2

bench: build
	tools/with-xvfb.sh bench/run.sh $(BUILD)

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
