# A thin front over CMake and CTest. `make run` and `make test` first install
# whatever Debian packages are missing.
BUILD := build
CONFIG := RelWithDebInfo

.PHONY: all build deps run test windows clean

all: build

build:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(CONFIG)
	cmake --build $(BUILD)

deps:
	scripts/install-deps

run: deps build
	scripts/run-viewer $(BUILD)

test: deps build windows
	scripts/run-tests $(BUILD)

# The native Windows executable, cross-built with MinGW-w64.
windows:
	cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
	cmake --build build-windows

clean:
	rm -rf $(BUILD) build-windows
