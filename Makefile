# Thin wrappers around CMake. `make run` and `make test` install whatever
# Debian packages are missing first, so a fresh Debian 12 needs nothing else.
BUILD ?= build
JOBS  ?= $(shell nproc)
# make install PREFIX=/usr DESTDIR=/tmp/stage: the prefix the files are meant
# for, and a staging folder put in front of it.
PREFIX ?= /usr/local
EXAMPLE = examples/solarzelle.kwt

.PHONY: all deps configure build run test bench bench-script install uninstall package clean

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

clean:
	rm -rf $(BUILD)
