# The two set-up commands: `make run` and `make test`. Both install missing Debian packages first.
PRESET ?= default
BUILD_DIR := build

.PHONY: deps configure build test run clean

deps:
	@tools/install-deps

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j$$(nproc)

test: build
	@ctest --preset $(PRESET) -j$$(nproc)

run: build
	@cd data && ../$(BUILD_DIR)/app/veradex

clean:
	@rm -rf build build-bench
