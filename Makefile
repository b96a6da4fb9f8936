# A thin front over CMake and CTest. `make run` and `make test` first install
# whatever Debian packages are missing.
BUILD := build
CONFIG := RelWithDebInfo

.PHONY: all build deps run test test-asan bench clean

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

# The whole suite again with AddressSanitizer and UndefinedBehaviorSanitizer.
SANITIZE := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all
test-asan: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)"
	cmake --build build-asan
	scripts/run-tests build-asan

bench: deps build
	scripts/run-benchmarks $(BUILD)

clean:
	rm -rf $(BUILD) build-asan
