# The two commands a newcomer needs: `make run` and `make test`.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The Windows build: the writing core and its tests for 32-bit Windows, run under Wine.
WINDOWS_BUILD_DIR ?= $(BUILD_DIR)/windows
WINDOWS_CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/i686-w64-mingw32.cmake

.PHONY: all deps configure build build-windows run test bench screenshots clean

all: build

deps:
	@./scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

run: build
	@$(BUILD_DIR)/korvant-setup

build-windows: deps
	@cmake -S . -B $(WINDOWS_BUILD_DIR) -G Ninja $(WINDOWS_CMAKE_FLAGS) >/dev/null
	@cmake --build $(WINDOWS_BUILD_DIR)

# The Windows tests run verbosely, so that each run shows the family it exercised.
test: build build-windows
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
	@cd $(WINDOWS_BUILD_DIR) && ctest --verbose --timeout 300

screenshots: build
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/korvant-screenshots $(BUILD_DIR)/screenshots

bench: build
	@$(BUILD_DIR)/bench/writer-bench

clean:
	rm -rf $(BUILD_DIR)
