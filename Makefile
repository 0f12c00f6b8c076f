# Thin wrapper over CMake: `make run` and `make test` do every set-up step themselves.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
ARGS ?=
N ?= 7
CTEST_ARGS ?=

.PHONY: deps configure build run test test-asan test-tsan fuzz bench bench-startup screenshot package clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	scripts/run $(BUILD) $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure --no-tests=error -j $(JOBS) $(CTEST_ARGS)

test-asan:
	$(MAKE) test BUILD=build-asan BUILD_TYPE=Debug \
	  CMAKE_FLAGS="-DQUILLON_SANITIZE=address,undefined -DQUILLON_BUILD_BENCH=OFF -DQUILLON_WERROR=ON"

# Every test, the Qt ones included: tests/tsan-qt.supp covers only what the sanitizer cannot see
# inside Debian's Qt libraries (each entry says why). The Qt test main loads it; TSAN_OPTIONS
# hands it to the other programs the tests start (probes, quillon-mouse) too. The X11 tests
# (X11*) run in the other builds only: Xlib and its extensions take and drop the display lock
# across libraries, which the sanitizer reports as misuse of the mutex in every client.
test-tsan:
	TSAN_OPTIONS="suppressions=$(CURDIR)/tests/tsan-qt.supp $${TSAN_OPTIONS:-}" \
	  $(MAKE) test BUILD=build-tsan BUILD_TYPE=Debug CTEST_ARGS="-E ^X11" \
	  CMAKE_FLAGS="-DQUILLON_SANITIZE=thread -DQUILLON_BUILD_BENCH=OFF"

# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS (per target).
FUZZ_SECONDS ?= 60
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQUILLON_BUILD_FUZZ=ON -DQUILLON_BUILD_TESTS=OFF -DQUILLON_BUILD_BENCH=OFF >/dev/null
	cmake --build build-fuzz -j $(JOBS) --target quillon_fuzz_targets
	scripts/run-fuzzers build-fuzz $(FUZZ_SECONDS)

bench: build
	scripts/run-benchmarks $(BUILD)

# The Debian package, written to $(BUILD)/package/.
package: build
	cmake --build $(BUILD) --target package

# The desktop program's start-up time, memory and idle CPU against a bare Qt window (Xvfb).
bench-startup: build
	bench/startup-bench $(BUILD) $(N)

# Regenerates the README's screenshots under xvfb-run.
screenshot: build
	scripts/screenshot $(BUILD) docs

clean:
	rm -rf build build-asan build-tsan build-fuzz
