# Deadeye Gulch -- the front door.
#   make        install what is missing, build the game and its data
#   make play   the same, then start the game from build/game/
#   make test   the same, then run every test (end-to-end ones under Xvfb)
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps build play test bench clean

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

clean:
	rm -rf $(BUILD)
