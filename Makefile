# Two commands do everything: `make run` and `make test`. Both install what is missing,
# configure and build as needed.
#   make run [LEFT=a RIGHT=b]   compare two files (the example pair by default)
#   make test [SANITIZE=1]      build and run every test (SANITIZE=1: ASan + UBSan build)
#   make bench                  engine micro-benchmarks, timing against GNU diff, window timing

LEFT ?= examples/left.txt
RIGHT ?= examples/right.txt
BUILD_TYPE ?= Release
SANITIZE ?=

ifeq ($(SANITIZE),1)
BUILD_DIR := build-sanitize
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=Debug -DTANDEM_SANITIZE=ON -DTANDEM_GUI=OFF
else
BUILD_DIR := build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
endif

.PHONY: all bootstrap build test run bench format clean

all: build

bootstrap:
	@scripts/bootstrap

$(BUILD_DIR)/build.ninja: | bootstrap
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

build: bootstrap $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

# The window when there is a display to show it on, else the comparison in the terminal.
# tandemdiff exits 1 when the files differ, which is not a failure here.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] && [ -x $(BUILD_DIR)/src/app/tandemview ]; then \
		$(BUILD_DIR)/src/app/tandemview "$(LEFT)" "$(RIGHT)"; \
	else \
		echo "No display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset): comparing in the terminal."; \
		$(BUILD_DIR)/src/cli/tandemdiff "$(LEFT)" "$(RIGHT)"; status=$$?; [ $$status -le 1 ]; \
	fi

bench: build
	python3 bench/compare_with_diff.py $(BUILD_DIR)/src/cli/tandemdiff --generate-only --skip-million
	TANDEM_BENCH_DATA=bench/out $(BUILD_DIR)/bench/engine_bench
	python3 bench/compare_with_diff.py $(BUILD_DIR)/src/cli/tandemdiff
	python3 bench/window_bench.py $(BUILD_DIR)/bench/window_bench --runs 3

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-sanitize
