# Thin wrapper over the CMake presets.
.PHONY: all build run test test-release test-asan bench fuzz lint install clean web web-test

all: build

build:
	cmake --preset default >/dev/null
	cmake --build --preset default

run: build
	./build/bidgauge

test: test-release test-asan

test-release:
	cmake --preset default >/dev/null
	cmake --build --preset default
	ctest --preset default

test-asan:
	cmake --preset asan >/dev/null
	cmake --build --preset asan
	ctest --preset asan

bench: build
	./build/bench/bidgauge_bench

lint:
	./tools/lint.sh

fuzz:
	./fuzz/run.sh $(FUZZ_SECONDS)

install: build
	cmake --install build $(if $(PREFIX),--prefix $(PREFIX))

# The web page and the JavaScript module, in build-web/site.
web:
	cmake --preset web >/dev/null
	cmake --build --preset web

# The module's and the page's tests in Node and Debian's Chromium, against the
# native program built by the default preset.
web-test: web web/node_modules
	cmake --preset default >/dev/null
	cmake --build --preset default --target bidgauge bidgauge_screen_dump
	cd web && node --test test/api.test.mjs test/page.test.mjs

web/node_modules: web/package.json web/package-lock.json
	cd web && npm ci --no-audit --no-fund
	touch web/node_modules

clean:
	rm -rf build build-asan build-fuzz build-web

# The library's cost per hand: C API (Google Benchmark), then Python's evaluate_many.
.PHONY: bench-lib
bench-lib: build
	./build/bench/bidgauge_api_bench
	BIDGAUGE_LIBRARY=build/lib/libbidgauge.so.1 python3 bench/evaluate_many_speed.py
