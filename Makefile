# Thin wrappers around CMake. `make run` and `make test` install whatever
# Debian packages are missing first, so a fresh Debian 12 needs nothing else.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: all deps configure build run test bench bench-script clean

all: build

deps:
	@sh scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/kurvix

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD)/bench/kurvix_bench

# `kurvix --run` over 200 files beside 200 `kurvix --export` processes.
bench-script: build
	bench/script-run.sh $(BUILD)/kurvix

clean:
	rm -rf $(BUILD)
