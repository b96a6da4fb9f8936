# A thin front over CMake and CTest. `make run` and `make test` first install
# whatever Debian packages are missing.
BUILD := build
CONFIG := RelWithDebInfo

.PHONY: all build deps run test clean

all: build

build:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(CONFIG)
	cmake --build $(BUILD)

deps:
	scripts/install-deps

run: deps build
	scripts/run-viewer $(BUILD)

test: deps build
	scripts/run-tests $(BUILD)

clean:
	rm -rf $(BUILD)
