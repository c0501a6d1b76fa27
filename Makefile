# The two commands of the README: `make demo` and `make test`.
# Each installs what is missing, configures into build/, builds with both
# cores and then runs the demo or the whole test suite.

BUILD_DIR ?= build
JOBS ?= 2
MAKEFLAGS += --no-print-directory
CMAKE_FLAGS ?=

.PHONY: all deps configure build demo test bench clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

demo: build
	@scripts/run-demo $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target qvas-benchmarks
	@scripts/run-bench $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
