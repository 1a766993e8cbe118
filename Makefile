# The two set-up commands: `make run` and `make test`. Both install missing Debian packages first.
PRESET ?= default
BUILD_DIR := build

.PHONY: deps configure build test run clean fuzz test-sanitize

deps:
	@tools/install-deps

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j$$(nproc)

test: build
	@ctest --preset $(PRESET) -j$$(nproc)

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer (clang), in build-sanitize.
test-sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize -j$$(nproc)
	@ctest --preset sanitize -j$$(nproc)

# Each fuzz target for FUZZ_SECONDS (default 60), one after another, in build-fuzz.
FUZZ_SECONDS ?= 60
fuzz: deps
	@tests/fuzz/run $(FUZZ_SECONDS)

run: build
	@cd data && ../$(BUILD_DIR)/app/veradex

# The benchmarks, each beside its floor, in an optimised build in build-bench; not part of `make test`.
.PHONY: bench
bench: deps
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench -j$$(nproc) --target veradex-bench veradex-bench-startup
	@tools/bench/run build-bench

# The Debian package, build/veradex_<version>_<arch>.deb; install it with `apt-get install ./build/veradex_*.deb`.
.PHONY: package
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

clean:
	@rm -rf build build-bench build-sanitize build-fuzz
