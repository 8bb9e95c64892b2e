# make run   - install missing packages, configure, build and start the program
# make test  - the same set-up, then every test through ctest (offscreen)
# make test SANITIZE=1 - the same with AddressSanitizer and UBSan
# make format - clang-format over the sources
# make bench - an optimised build of the plan editor benchmark, run offscreen,
#              then what a screen reader costs it through the real AT-SPI bridge

JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
ifeq ($(SANITIZE),1)
BUILD    ?= build-asan
BUILD_TYPE ?= Debug
CMAKE_ARGS += -DTESSAVO_SANITIZE=ON
TEST_ENV := LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
BUILD    ?= build
endif
# One optimised build with debug information serves both `make run` and
# `make test`, so users run what the tests test and nothing builds twice.
BUILD_TYPE ?= RelWithDebInfo

.PHONY: all deps configure build run test bench format clean

all: build

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/tessavo

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen $(TEST_ENV) ctest --output-on-failure -j $(JOBS)

# Its own optimised folder, so the benchmark never measures a debug build.
bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTESSAVO_BENCH=ON -DTESSAVO_TESTS=OFF >/dev/null
	@cmake --build build-bench -j $(JOBS) --target tessavo_bench tessavo_bench_reader
	cd build-bench && QT_QPA_PLATFORM=offscreen bench/tessavo_bench $(BENCH_ARGS)
	cd build-bench && bench/tessavo_bench_reader

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-bench
