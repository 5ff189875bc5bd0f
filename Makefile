# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands: `make run` and `make test`. Everything else is a helper of theirs.
BUILD      ?= build
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
FUZZ_SECONDS ?= 60
FUZZ_RUNS  ?=

.PHONY: all deps fuzz-deps configure build test run package test-sanitize bench fuzz render format clean

all: build

deps:
	@bash scripts/install-deps.sh

# clang and its libFuzzer runtime, which only the fuzzing build needs.
fuzz-deps: deps
	@bash scripts/install-deps.sh clang libclang-rt-14-dev

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package of what `cmake --install` puts in place, in $(BUILD).
package: build
	cmake --build $(BUILD) --target package

# The same suite built with address and undefined-behaviour sanitizers.
test-sanitize:
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp $(MAKE) test BUILD=build-sanitize CMAKE_ARGS="-DKOVARIS_SANITIZE=ON -DKOVARIS_BUILD_BENCH=OFF"

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKOVARIS_BUILD_TESTS=OFF
	cmake --build build-bench -j $(JOBS)
	@for b in build-bench/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

# libFuzzer targets, each run on its seeds for FUZZ_SECONDS, or for FUZZ_RUNS inputs when given.
fuzz: fuzz-deps
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DKOVARIS_FUZZ=ON -DKOVARIS_BUILD_APP=OFF -DKOVARIS_BUILD_TESTS=OFF -DKOVARIS_BUILD_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined \
	  -fsanitize-coverage-ignorelist=$(CURDIR)/tests/fuzz/coverage-ignore.txt"
	cmake --build build-fuzz -j $(JOBS)
	BUILD_DIR=build-fuzz JOBS=$(JOBS) FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_RUNS=$(FUZZ_RUNS) bash scripts/fuzz.sh

# PNG pictures of the window controls in their different states, in $(BUILD)/render.
render: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/src/app/kovaris-render $(BUILD)/render

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i

clean:
	rm -rf build build-sanitize build-bench build-fuzz

# The program on the demo data, in the working folder run/ (its Kovaris.ini is made once). Only
# the two programs are built; the tests and benchmarks wait for `make test`.
run: deps configure
	cmake --build $(BUILD) -j $(JOBS) --target kovariswin kovaris
	@bash scripts/run.sh $(BUILD)
