# Thin wrapper over the CMake presets. `make` and `make run` build the program
# alone; `make test` builds and runs everything. Builds use every core.
.PHONY: all build run test test-release test-asan bench fuzz lint install clean web web-test \
        mpi mpi-test

JOBS ?= $(shell nproc)
# CMake's own makefiles run below this one; keep their directory lines out.
MAKEFLAGS += --no-print-directory

all: build

build:
	cmake --preset default >/dev/null
	cmake --build --preset default --target bidgauge --parallel $(JOBS)

run: build
	./build/bidgauge

test: test-release test-asan

test-release:
	cmake --preset default >/dev/null
	cmake --build --preset default --parallel $(JOBS)
	ctest --preset default --parallel $(JOBS)

test-asan:
	cmake --preset asan >/dev/null
	cmake --build --preset asan --parallel $(JOBS)
	ctest --preset asan --parallel $(JOBS)

bench:
	cmake --preset default >/dev/null
	cmake --build --preset default --target bidgauge_bench --parallel $(JOBS)
	./build/bench/bidgauge_bench

lint:
	./tools/lint.sh

fuzz:
	./fuzz/run.sh $(FUZZ_SECONDS)

# Everything the install rules copy: the program, the libraries, the files.
install:
	cmake --preset default >/dev/null
	cmake --build --preset default --target bidgauge_installed --parallel $(JOBS)
	cmake --install build --strip $(if $(PREFIX),--prefix $(PREFIX))

# The program with a study spread over the processes mpirun starts, in
# build-mpi/; its test runs a small study alone and in three processes.
mpi:
	cmake --preset mpi >/dev/null
	cmake --build --preset mpi --target bidgauge --parallel $(JOBS)

mpi-test: mpi
	tests/study/mpi_same_output.sh build-mpi/bidgauge

# The web page and the JavaScript module, in build-web/site.
web:
	cmake --preset web >/dev/null
	cmake --build --preset web --parallel $(JOBS)

# The module's and the page's tests in Node and Debian's Chromium, against the
# native program built by the default preset.
web-test: web web/node_modules
	cmake --preset default >/dev/null
	cmake --build --preset default --parallel $(JOBS) --target bidgauge bidgauge_screen_dump
	cd web && node --test test/api.test.mjs test/page.test.mjs test/player.test.mjs test/offline.test.mjs

web/node_modules: web/package.json web/package-lock.json
	cd web && npm ci --no-audit --no-fund
	touch web/node_modules

clean:
	rm -rf build build-asan build-fuzz build-web build-mpi

# The library's cost per hand: C API (Google Benchmark), then Python's evaluate_many.
.PHONY: bench-lib
bench-lib:
	cmake --preset default >/dev/null
	cmake --build --preset default --parallel $(JOBS) --target bidgauge_api_bench bidgauge_shared
	./build/bench/bidgauge_api_bench
	BIDGAUGE_LIBRARY=build/lib/libbidgauge.so.1 python3 bench/evaluate_many_speed.py

# bidgauge.exe for Windows, cross-compiled with MinGW-w64 (CMake preset
# windows): the program in build-windows/, the zip for Windows users beside
# it, and its tests under wine against the native program.
.PHONY: windows windows-zip windows-test clean-windows
windows:
	cmake --preset windows >/dev/null
	cmake --build --preset windows --parallel $(JOBS)

windows-zip: windows
	cmake --build --preset windows --target bidgauge_zip --parallel $(JOBS)

windows-test: windows
	cmake --build --preset windows --target bidgauge_console_cells --parallel $(JOBS)
	cmake --preset default >/dev/null
	cmake --build --preset default --parallel $(JOBS) --target bidgauge bidgauge_screen_dump
	tests/windows/run.sh

clean: clean-windows
clean-windows:
	rm -rf build-windows
