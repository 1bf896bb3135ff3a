# Two commands: `make test` runs every test, `make demo` runs the product.
SHELL := /bin/bash
PRESETS := native native-asan win32

.PHONY: all bootstrap build test demo format clean

all: build

bootstrap:
	@scripts/bootstrap

build: bootstrap
	@for p in $(PRESETS); do \
	  cmake --preset $$p >/dev/null && cmake --build --preset $$p || exit 1; \
	done

test: build
	@scripts/run-tests $(PRESETS)

demo: build
	@scripts/demo

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
