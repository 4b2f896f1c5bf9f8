# SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# Blokka: the everyday commands. Every target installs what is missing first.
BUILD := build
JOBS  := $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=Release
# The game's rules and the event storm, built again with the sanitizers and index checks.
CHECKED := build-sanitize
CHECKED_TESTS := blokka_game_tests blokka_storm_tests
# The Windows program, cross-built with MinGW-w64 against a static Qt built once into a cache
# (scripts/build-windows-qt).
WINDOWS := build-windows

.PHONY: all deps configure build run test checked storm faults memcheck package bench format clean \
	deps-windows windows windows-package test-windows bench-windows

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/blokka

# The Windows tests join in wherever the Windows Qt has been built; a fresh clone skips them.
test: build checked
	ctest --test-dir $(BUILD) --output-on-failure -j 2
	ctest --test-dir $(CHECKED) --output-on-failure -j 2 -L 'game|storm'
	@if scripts/build-windows-qt --ready >/dev/null 2>&1; then $(MAKE) --no-print-directory test-windows; \
	  else echo "Windows tests skipped: no Windows Qt in the cache yet (make windows builds it)"; fi

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

deps-windows:
	@scripts/install-deps --windows

# The first run builds Qt for Windows (some 40 minutes); every later one reuses it.
windows: deps-windows
	@qt=$$(scripts/build-windows-qt) && \
	  cmake -S . -B $(WINDOWS) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$$qt/lib/cmake/Qt6/qt.toolchain.cmake \
	    -DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-toolchain.cmake >/dev/null
	@cmake --build $(WINDOWS) -j $(JOBS)

# The zip and the installer for Windows players; prints their paths.
windows-package: windows
	@cmake --build $(WINDOWS) --target windows_package >/dev/null
	@ls $(CURDIR)/$(WINDOWS)/blokka-*-windows-x64.zip $(CURDIR)/$(WINDOWS)/blokka-*-windows-x64-setup.exe

# The game's rules, the storm and the Qt layer cross-built and run under Wine; then the real
# blokka.exe and its installer under Wine in a private X server, driven from Linux.
test-windows: windows-package build
	ctest --test-dir $(WINDOWS) --output-on-failure -j 2 -LE program
	ctest --test-dir $(WINDOWS) --output-on-failure -L program

# The program's size, start-up and memory under Wine, beside the baseline window built alike.
bench-windows: windows build
	bench/windows $(BUILD) $(WINDOWS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(CHECKED) $(WINDOWS)
