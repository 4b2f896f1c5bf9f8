# SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# Blokka: the everyday commands. Every target installs what is missing first.
BUILD := build
JOBS  := $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=Release
# The game's rules and the event storm, built again with the sanitizers and index checks.
CHECKED := build-sanitize
CHECKED_TESTS := blokka_game_tests blokka_storm_tests

.PHONY: all deps configure build run test checked storm faults memcheck package bench format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/blokka

test: build checked
	ctest --test-dir $(BUILD) --output-on-failure -j 2
	ctest --test-dir $(CHECKED) --output-on-failure -j 2 -L 'game|storm'

checked: deps
	@cmake -S . -B $(CHECKED) -DCMAKE_BUILD_TYPE=Debug -DBLOKKA_SANITIZE=ON >/dev/null
	@cmake --build $(CHECKED) -j $(JOBS) --target $(CHECKED_TESTS)

# A long storm in the checked build: ten million events from a fresh seed (or BLOKKA_STORM_SEED).
storm: checked
	BLOKKA_STORM_EVENTS=$${BLOKKA_STORM_EVENTS:-10000000} BLOKKA_STORM_SEED=$${BLOKKA_STORM_SEED:-random} \
	  ./$(CHECKED)/tests/storm/blokka_storm_tests --gtest_filter='Storm.NoSequence*'

# The real program under hard kills, held keys and input storms, ten times as often and a full
# minute of storm per cell size (BLOKKA_FAULT_SEED replays a storm).
faults: build
	BLOKKA_FAULT_SCALE=long ctest --test-dir $(BUILD) --output-on-failure -L faults

# A whole session of the real program under valgrind's memcheck.
memcheck: build
	ctest --test-dir $(BUILD) --output-on-failure -L memcheck

# The Debian package, made in $(BUILD) from that build; prints the package's path.
package: build
	@cd $(BUILD) && out=$$(cpack 2>&1) || { echo "$$out"; exit 1; }; \
	  echo "$$out" | sed -n 's/^CPack: - package: \(.*\) generated\.$$/\1/p'

bench: build
	bench/run-all $(BUILD)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(CHECKED)
