# Thin wrappers around CMake. `make run` and `make test` install whatever
# Debian packages are missing first, so a fresh Debian 12 needs nothing else.
BUILD ?= build
JOBS  ?= $(shell nproc)
# make install PREFIX=/usr DESTDIR=/tmp/stage: the prefix the files are meant
# for, and a staging folder put in front of it.
PREFIX ?= /usr/local
EXAMPLE = examples/solarzelle.kwt
# The hardening builds: the suite under AddressSanitizer and UBSan, the
# libFuzzer targets with clang, each in a folder of its own.
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
SECONDS ?= 60
SOAK_ACTIONS ?= 1000000
LAUNCHER = $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps configure build run test bench bench-script bench-compare install uninstall package clean \
        test-sanitize fuzz fuzz-run soak

all: build

deps:
	@sh scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/kurvix $(EXAMPLE)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Build tools run during the build (the icon renderer) are not leak-checked.
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKURVIX_SANITIZE=ON \
	    -DKURVIX_BENCH=OFF $(LAUNCHER) >/dev/null
	ASAN_OPTIONS=detect_leaks=0 cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DKURVIX_FUZZ=ON -DKURVIX_TESTS=OFF -DKURVIX_BENCH=OFF $(LAUNCHER) >/dev/null
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_all

# Each target for SECONDS seconds, one after the other (PARALLEL=1: all at
# once), on a working corpus in the fuzz build folder that starts from the
# seeds in fuzz/corpus.
fuzz-run: fuzz
	@PARALLEL=$(PARALLEL) sh fuzz/run-all $(FUZZ_BUILD) $(SECONDS)

# The random-use test at length: SOAK_ACTIONS actions (seed: SOAK_SEED).
soak: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen KURVIX_RANDOM_ACTIONS=$(SOAK_ACTIONS) \
	    KURVIX_RANDOM_SEED=$(SOAK_SEED) ./tests/test_app --gtest_filter='RandomUse.*'

bench: build
	./$(BUILD)/bench/kurvix_bench

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)" --strip

uninstall:
	cmake -D RECORD=$(BUILD)/install_record.txt -P cmake/Uninstall.cmake

package: build
	cd $(BUILD) && cpack -G DEB

# `kurvix --run` over 200 files beside 200 `kurvix --export` processes.
bench-script: build
	bench/script-run.sh $(BUILD)/kurvix

# Kurvix beside gnuplot (installed here if missing) and the windowed start
# beside a minimal Qt program: a table of medians and ratios.
bench-compare: build
	bench/compare.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
