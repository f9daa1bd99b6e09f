# The two commands a newcomer needs: `make run` and `make test`.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The Windows builds: the writing core and its tests for 32-bit and for 64-bit Windows, run
# under Wine. Both are always built; only the 64-bit one runs on every machine of ours.
WINDOWS_BUILD_DIR ?= $(BUILD_DIR)/windows
WINDOWS_CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/i686-w64-mingw32.cmake
WINDOWS64_BUILD_DIR ?= $(BUILD_DIR)/windows64
WINDOWS64_CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/x86_64-w64-mingw32.cmake
# The project's version, as CMakeLists.txt's project() gives it, for the name of the medium.
VERSION := $(shell sed -n 's/^project([^ ]* VERSION \([^ )]*\).*/\1/p' CMakeLists.txt)
# The Debian package, which the distribution CD carries for Linux beside the Windows program.
LINUX_PACKAGE := $(abspath $(BUILD_DIR))/korvant-setup_$(VERSION)_$(shell dpkg --print-architecture).deb
# Where `make install` puts the program; DESTDIR, as usual, goes in front of every path.
PREFIX ?= /usr/local

.PHONY: all deps configure build build-windows run test bench screenshots install package medium clean

all: build

deps:
	@./scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

run: build
	@$(BUILD_DIR)/korvant-setup

# The 32-bit tree makes the distribution CD, which carries the Debian package too.
build-windows: package
	@cmake -S . -B $(WINDOWS64_BUILD_DIR) -G Ninja $(WINDOWS64_CMAKE_FLAGS) >/dev/null
	@cmake --build $(WINDOWS64_BUILD_DIR)
	@cmake -S . -B $(WINDOWS_BUILD_DIR) -G Ninja $(WINDOWS_CMAKE_FLAGS) -DKORVANT_LINUX_PACKAGE=$(LINUX_PACKAGE) >/dev/null
	@cmake --build $(WINDOWS_BUILD_DIR)

# The Windows tests run verbosely, so that each run shows the family it exercised, and end
# with one line per run: passed, skipped where this machine cannot run 32-bit programs, or failed.
test: build build-windows
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
	@tests/windows/run-windows-tests $(WINDOWS64_BUILD_DIR) $(WINDOWS_BUILD_DIR)

screenshots: build
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/korvant-screenshots $(BUILD_DIR)/screenshots

# A build that is there already is only brought up to date, not configured again, so that
# `sudo make install` after `make build` leaves the build folder to its owner.
install:
	@if [ -f $(BUILD_DIR)/build.ninja ]; then cmake --build $(BUILD_DIR); else $(MAKE) --no-print-directory build; fi
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package, build/korvant-setup_<version>_<arch>.deb.
package: build
	@cd $(BUILD_DIR) && cpack >/dev/null

# The distribution CD, build/korvant-setup-<version>.iso, which the 32-bit Windows build makes.
medium: build-windows
	@cp $(WINDOWS_BUILD_DIR)/korvant-setup-$(VERSION).iso $(BUILD_DIR)/

bench: build
	@$(BUILD_DIR)/bench/writer-bench

clean:
	rm -rf $(BUILD_DIR)
