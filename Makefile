# Scrivix: make run | make test | make bench | make deps
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
JOBS ?= 2

.PHONY: all deps configure build test bench run screenshots format clean

all: build

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DSCRIVIX_BUILD_TESTS=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS) --target scrivix_bench scrivix_window_bench
	$(BENCH_DIR)/bench/scrivix_bench
	$(BENCH_DIR)/bench/scrivix_window_bench

run: build
	$(BUILD_DIR)/scrivix

# Pictures of the window for docs/screenshots, taken offscreen.
screenshots: build
	SCRIVIX_SCREENSHOT_DIR=$(CURDIR)/docs/screenshots $(BUILD_DIR)/tests/scrivix_gui_tests --gtest_filter='*Screenshot*'
	SCRIVIX_SCREENSHOT_DIR=$(CURDIR)/docs/screenshots $(BUILD_DIR)/tests/dialogs/scrivix_dialog_tests --gtest_filter='*Screenshot*'

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR)
