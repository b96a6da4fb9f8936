# A thin front over CMake and CTest. `make run` and `make test` first install
# whatever Debian packages are missing.
BUILD := build
CONFIG := RelWithDebInfo

.PHONY: all build deps run test test-asan bench display-loss windows web install package clean

all: build

build:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(CONFIG)
	cmake --build $(BUILD)

deps:
	scripts/install-deps

run: deps build
	scripts/run-viewer $(BUILD)

# The tests check the packages too, so they are made first; the page for
# browsers comes with them.
test: deps package
	scripts/run-tests $(BUILD)

# The whole suite again with AddressSanitizer and UndefinedBehaviorSanitizer.
# The end-to-end tests preload a call counter into the viewer, ahead of the
# sanitizer's runtime; it allocates nothing, so the order does no harm.
# Leaks inside system libraries are left out by tests/sanitizers/lsan.supp,
# which says why for each; keep_loaded lets those inside Mesa be named. The
# Wine tests run the Windows build, which no sanitizer instruments; make test
# runs them.
SANITIZE := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all -O1
SANITIZER_RUN := ASAN_OPTIONS=verify_asan_link_order=0 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp \
	UBSAN_OPTIONS=print_stacktrace=1 \
	LD_PRELOAD=$(CURDIR)/build-asan/tests/sanitizers/libkeep_loaded.so
test-asan: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)"
	cmake --build build-asan
	$(SANITIZER_RUN) scripts/run-tests build-asan --label-exclude 'wine|package|web'

bench: deps build web
	scripts/run-benchmarks $(BUILD)

# The X server, or the Wayland compositor, killed under the real viewer at a
# series of moments (about a minute): every run must end with exit code 1.
display-loss: deps build
	$(BUILD)/bench/display_loss_sweep $(BUILD)/tessaline

# The native Windows executable, cross-built with MinGW-w64.
windows:
	cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
	cmake --build build-windows

# The page for web browsers: build-web/index.html, tessaline.js and
# tessaline.wasm. Debian's Emscripten finds its JavaScript modules only
# through NODE_PATH.
WEB_ENV := NODE_PATH=/usr/share/nodejs
web:
	scripts/install-deps web
	$(WEB_ENV) emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release
	$(WEB_ENV) cmake --build build-web

# Into /usr/local, or wherever CMAKE_INSTALL_PREFIX says; stripped, as packaged.
install: build
	cmake --install $(BUILD) --strip

# build/tessaline_<version>_<arch>.deb, build-windows/tessaline-<version>-win64.zip
# and build-web/tessaline-<version>-web.zip.
package: deps build windows web
	cmake --build $(BUILD) --target package
	cmake --build build-windows --target package
	$(WEB_ENV) cmake --build build-web --target web_zip

clean:
	rm -rf $(BUILD) build-asan build-windows build-web
