# A thin front over CMake and CTest. `make run` and `make test` first install
# whatever Debian packages are missing.
BUILD := build
CONFIG := RelWithDebInfo
# Every artefact carries the last commit's time, not the build's: the .deb's
# changelog and the file times in the packages.
export SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct)

.PHONY: all build deps run test test-asan bench display-loss windows web install package clean

all: build

# The Linux build takes the flags Debian builds its own packages with
# (fortify, stack protector, full RELRO, bind-now, PIE). CMake has no
# CPPFLAGS, so those go with the compile flags, as debhelper does.
FLAGS = $(shell DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get $(1))
HARDENED = -DCMAKE_C_FLAGS="$(call FLAGS,CPPFLAGS) $(call FLAGS,CFLAGS)" \
	-DCMAKE_CXX_FLAGS="$(call FLAGS,CPPFLAGS) $(call FLAGS,CXXFLAGS)" \
	-DCMAKE_EXE_LINKER_FLAGS="$(call FLAGS,LDFLAGS)" -DCMAKE_SHARED_LINKER_FLAGS="$(call FLAGS,LDFLAGS)"
build:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(CONFIG) $(HARDENED)
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

# build/tessaline_<version>_<arch>.deb, build-windows/tessaline-<version>-win64.exe
# and .zip, and build-web/tessaline-<version>-web.zip; then all four with
# their SHA256SUMS in $(BUILD)/release. A zip keeps its file times in local
# time: they are taken in UTC, so that the zips do not depend on the time
# zone. The .deb keeps the modes of its folders and its parts as the umask
# makes them: it is Debian's, 022, as dpkg-buildpackage --sanitize-env sets.
package: export TZ = UTC
package: deps build windows web
	umask 022 && cmake --build $(BUILD) --target package
	cmake --build build-windows --target package
	$(WEB_ENV) cmake --build build-web --target web_zip
	cmake --build $(BUILD) --target release

# Builds the packages twice, from two clones of the last commit, and
# compares them (scripts/compare-builds).
.PHONY: reproducible
reproducible:
	scripts/compare-builds

clean:
	rm -rf $(BUILD) build-asan build-windows build-web
