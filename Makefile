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

# make install keeps its own list of the files it put in (CMake's manifest is
# rewritten by every install, the package's included); make uninstall removes
# exactly those, then the game's own folders once they are empty.
INSTALLED = $(BUILD)/installed-files.txt

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)" --strip
	cp $(BUILD)/install_manifest.txt $(INSTALLED)

uninstall:
	@[ -f $(INSTALLED) ] || { echo "nothing to uninstall: no $(INSTALLED) (make install first)"; exit 1; }
	xargs -d '\n' rm -f -- < $(INSTALLED)
	sed -n 's|^\(.*/deadeye-gulch\)/.*|\1|p' $(INSTALLED) | sort -u | \
	  while read -r d; do [ ! -d "$$d" ] || find "$$d" -depth -type d -empty -delete; done
	rm -f $(INSTALLED)

package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD)
