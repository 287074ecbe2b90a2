# Two commands do everything: `make run` and `make test` (or `./tandem run` and `./tandem test`
# on a machine without make). Each target installs what it needs and nothing more, then
# configures and builds as needed.
#   make run [LEFT=a RIGHT=b]   compare two files (the example pair by default)
#   make test [SANITIZE=1]      build and run every test (SANITIZE=1: ASan + UBSan build)
#   make bench                  engine micro-benchmarks, timing against GNU diff, window timing
#   make format                 clang-format over the tracked sources
#   make screenshot             the README's picture of the window, taken on a virtual display
#   make deb                    the Debian package, built and checked with lintian

LEFT ?= examples/left.txt
RIGHT ?= examples/right.txt
BUILD_TYPE ?= Release
SANITIZE ?=

ifeq ($(SANITIZE),1)
BUILD_DIR := build-sanitize
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=Debug -DTANDEM_SANITIZE=ON -DTANDEM_GUI=OFF
BUILD_NEEDS := build-core
TEST_NEEDS := test-core
else
BUILD_DIR := build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
BUILD_NEEDS := build
TEST_NEEDS := test
endif

.PHONY: all configure build test run bench format screenshot deb clean

all: build

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

configure:
	@scripts/bootstrap $(NEEDS)
	@$(MAKE) --no-print-directory $(BUILD_DIR)/build.ninja

build:
	@$(MAKE) --no-print-directory configure NEEDS=$(BUILD_NEEDS)
	cmake --build $(BUILD_DIR)

test:
	@$(MAKE) --no-print-directory configure NEEDS=$(TEST_NEEDS)
	cmake --build $(BUILD_DIR)
	ctest --test-dir $(BUILD_DIR) --output-on-failure

# The window when there is a display to show it on, else the comparison in the terminal.
# tandemdiff exits 1 when the files differ, which is not a failure here.
run:
	@$(MAKE) --no-print-directory configure NEEDS=run
	cmake --build $(BUILD_DIR)
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] && [ -x $(BUILD_DIR)/src/app/tandemview ]; then \
		$(BUILD_DIR)/src/app/tandemview "$(LEFT)" "$(RIGHT)"; \
	else \
		echo "No display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset): comparing in the terminal."; \
		$(BUILD_DIR)/src/cli/tandemdiff "$(LEFT)" "$(RIGHT)"; status=$$?; [ $$status -le 1 ]; \
	fi

# The benchmarks are built only where Google Benchmark is present, so this target installs it
# and asks for them; the generated pairs are made once, from fixed seeds, in bench/out.
bench:
	@scripts/bootstrap bench
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) -DTANDEM_BENCH=ON
	cmake --build $(BUILD_DIR)
	python3 bench/make_pairs.py bench/out --skip-million
	TANDEM_BENCH_DATA=bench/out $(BUILD_DIR)/bench/engine_bench
	python3 bench/compare_with_diff.py $(BUILD_DIR)/src/cli/tandemdiff
	python3 bench/window_bench.py $(BUILD_DIR)/bench/window_bench --runs 3

format:
	@scripts/bootstrap format
	clang-format -i $$(git ls-files '*.cpp' '*.h')

screenshot: build
	@scripts/bootstrap screenshot
	scripts/screenshot $(BUILD_DIR)

# dpkg-buildpackage writes the package beside the source folder, as Debian's tools do.
deb:
	@scripts/bootstrap package
	dpkg-buildpackage -b -us -uc
	lintian --fail-on error ../tandemview_$$(dpkg-parsechangelog -S Version)_*.changes

clean:
	rm -rf build build-sanitize
