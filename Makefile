# Thin wrapper over CMake: `make run` and `make test` do every set-up step themselves.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
ARGS ?=
N ?= 7
CTEST_ARGS ?=

.PHONY: deps configure build run test test-asan test-tsan fuzz bench bench-startup screenshot clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	scripts/run $(BUILD) $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

test-asan:
	$(MAKE) test BUILD=build-asan BUILD_TYPE=Debug \
	  CMAKE_FLAGS="-DQUILLON_SANITIZE=address,undefined -DQUILLON_BUILD_BENCH=OFF -DQUILLON_WERROR=ON"

# Qt's own threads are not instrumented, so the widget tests run in the other builds only.
test-tsan:
	$(MAKE) test BUILD=build-tsan BUILD_TYPE=Debug CTEST_ARGS="-LE qt" \
	  CMAKE_FLAGS="-DQUILLON_SANITIZE=thread -DQUILLON_BUILD_BENCH=OFF"

# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS.
FUZZ_SECONDS ?= 60
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQUILLON_BUILD_FUZZ=ON -DQUILLON_BUILD_TESTS=OFF -DQUILLON_BUILD_BENCH=OFF >/dev/null
	cmake --build build-fuzz -j $(JOBS)
	scripts/run-fuzzers build-fuzz $(FUZZ_SECONDS)

bench: build
	scripts/run-benchmarks $(BUILD)

# The desktop program's start-up time, memory and idle CPU against a bare Qt window (Xvfb).
bench-startup: build
	bench/startup-bench $(BUILD) $(N)

# Regenerates the README's screenshots under xvfb-run.
screenshot: build
	scripts/screenshot $(BUILD) docs

clean:
	rm -rf build build-asan build-tsan build-fuzz
