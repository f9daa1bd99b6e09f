# The two commands a newcomer needs: `make run` and `make test`.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench screenshots clean

all: build

deps:
	@./scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

run: build
	@if [ -x $(BUILD_DIR)/korvant-setup ]; then $(BUILD_DIR)/korvant-setup; \
	 else echo "The wizard is not built yet: so far there is only the writing core (make test, make bench)."; fi

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300

screenshots: build
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/korvant-screenshots $(BUILD_DIR)/screenshots

bench: build
	@$(BUILD_DIR)/bench/writer-bench

clean:
	rm -rf $(BUILD_DIR)
