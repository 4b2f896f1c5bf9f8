# SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# Blokka: the everyday commands, a thin layer over the presets of CMakePresets.json. `make run`
# and `make test` install what is missing first (scripts/install-deps); the others install
# nothing and need no root.
JOBS := $(shell nproc 2>/dev/null || echo 2)
# CI treats every warning as an error (its preset is ci); a developer build only shows them.
PRESET := $(if $(filter-out false,$(CI)),ci,release)

.PHONY: all deps configure build run test checked storm faults memcheck package bench format clean \
	deps-windows windows windows-package test-windows bench-windows

all: build

deps:
	@scripts/install-deps

configure:
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

run: deps build
	./build/blokka

# The Windows tests join in wherever the Windows Qt has been built; a fresh clone skips them.
test: deps build checked
	ctest --preset all
	ctest --preset checked
	@if scripts/build-windows-qt --ready >/dev/null 2>&1; then $(MAKE) --no-print-directory test-windows; \
	  else echo "Windows tests skipped: no Windows Qt in the cache yet (make windows builds it)"; fi

# The game's rules and the event storm, built again with the sanitizers and index checks.
checked:
	@cmake --preset checked $(if $(filter ci,$(PRESET)),-DCMAKE_COMPILE_WARNING_AS_ERROR=ON) >/dev/null
	@cmake --build --preset checked -j $(JOBS)

# A long storm in the checked build: ten million events from a fresh seed (or BLOKKA_STORM_SEED).
storm: checked
	BLOKKA_STORM_EVENTS=$${BLOKKA_STORM_EVENTS:-10000000} BLOKKA_STORM_SEED=$${BLOKKA_STORM_SEED:-random} \
	  ./build-sanitize/tests/storm/blokka_storm_tests --gtest_filter='Storm.NoSequence*'

# The real program under hard kills, held keys and input storms, ten times as often and a full
# minute of storm per cell size (BLOKKA_FAULT_SEED replays a storm).
faults: build
	BLOKKA_FAULT_SCALE=long ctest --preset faults

# A whole session of the real program under valgrind's memcheck.
memcheck: build
	ctest --preset memcheck

# The Debian package, made in build/ from that build; prints the package's path.
package: build
	@cd build && out=$$(cpack 2>&1) || { echo "$$out"; exit 1; }; \
	  echo "$$out" | sed -n 's/^CPack: - package: \(.*\) generated\.$$/\1/p'

bench: build
	bench/run-all build

deps-windows:
	@scripts/install-deps --windows

# The first run builds Qt for Windows (some 40 minutes); every later one reuses it.
windows: deps-windows
	@qt=$$(scripts/build-windows-qt) && \
	  BLOKKA_WINDOWS_QT=$$qt cmake --preset windows $(if $(filter ci,$(PRESET)),-DCMAKE_COMPILE_WARNING_AS_ERROR=ON) >/dev/null
	@cmake --build --preset windows -j $(JOBS)

# The zip and the installer for Windows players; prints their paths.
windows-package: windows
	@cmake --build --preset windows-package >/dev/null
	@ls $(CURDIR)/build-windows/blokka-*-windows-x64.zip $(CURDIR)/build-windows/blokka-*-windows-x64-setup.exe

# The game's rules, the storm and the Qt layer cross-built and run under Wine; then the real
# blokka.exe and its installer under Wine in a private X server, driven by the Linux build's
# end-to-end tests.
test-windows: windows-package build
	ctest --preset windows
	ctest --preset windows-program

# The program's size, start-up and memory under Wine, beside the baseline window built alike.
bench-windows: windows build
	bench/windows build build-windows

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-sanitize build-windows
