# Two commands: `make test` runs every test, `make demo` runs the product.
SHELL := /bin/bash
PRESETS := native native-asan win32
# The Windows tests run the 32-bit programs where Wine can start them, else the 64-bit build's.
WINDOWS = $(shell scripts/windows-preset)

.PHONY: all bootstrap build test demo format clean

all: build

bootstrap:
	@scripts/bootstrap

build: bootstrap
	@for p in $(sort $(PRESETS) $(WINDOWS)); do \
	  cmake --preset $$p >/dev/null && cmake --build --preset $$p || exit 1; \
	done

test: build
	@scripts/run-tests native native-asan $(WINDOWS)

demo: build
	@scripts/demo

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
