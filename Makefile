# Zemtrix: `make run` starts the calculator, `make test` runs every test.
# Both install what is missing from Debian's packages first (needs root or sudo).
# `make install PREFIX=/usr` installs the programs, their desktop entry, icon and manual pages
# (DESTDIR is honoured). `make package` builds the Debian package build/zemtrix_*.deb;
# `make lintian` builds it and checks it with lintian.

BUILD_DIR  ?= build
ASAN_DIR   ?= build-asan
FUZZ_DIR   ?= build-fuzz
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX     ?= /usr/local
CMAKE_GEN  := -G Ninja

BUILD_PKGS := g++ make cmake ninja-build pkg-config qt6-base-dev libfontconfig-dev libgtest-dev libgmock-dev libbenchmark-dev qt6-l10n-tools
RUN_PKGS   := fonts-ipafont-gothic qt6-translations-l10n
TEST_PKGS  := desktop-file-utils appstream clang-format xvfb xdotool dbus-daemon at-spi2-core python3-pyatspi dpkg-dev weston qt6-wayland
PACKAGE_PKGS := dpkg-dev
FUZZ_PKGS  := clang libclang-rt-14-dev

.PHONY: run test install package lintian build build-asan deps deps-run deps-test fuzz bench clean

run: deps-run build
	./$(BUILD_DIR)/bin/zemtrix

test: deps-test build build-asan
	cd $(ASAN_DIR) && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

install: deps build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Packs the build as it stands (CPack's DEB generator; Depends from dpkg-shlibdeps).
package: deps build
	@bash scripts/install-deps.sh $(PACKAGE_PKGS)
	cmake --build $(BUILD_DIR) --target package

lintian: package
	@bash scripts/install-deps.sh lintian
	lintian --info --display-info $(BUILD_DIR)/zemtrix_*.deb

build:
	@test -f $(BUILD_DIR)/build.ninja || cmake -S . -B $(BUILD_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Engine, model and command-line tests under AddressSanitizer and UndefinedBehaviorSanitizer.
build-asan:
	@test -f $(ASAN_DIR)/build.ninja || cmake -S . -B $(ASAN_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	    -DZEMTRIX_SANITIZE=ON -DZEMTRIX_BUILD_UI=OFF -DZEMTRIX_BUILD_BENCH=OFF
	cmake --build $(ASAN_DIR) -j $(JOBS)

# Coverage-guided fuzzing with libFuzzer: `make fuzz FUZZ_SECONDS=300`.
FUZZ_SECONDS ?= 120
fuzz:
	@bash scripts/install-deps.sh $(BUILD_PKGS) $(FUZZ_PKGS)
	@test -f $(FUZZ_DIR)/build.ninja || CXX=clang++ cmake -S . -B $(FUZZ_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DZEMTRIX_SANITIZE=ON -DZEMTRIX_LIBFUZZER=ON -DZEMTRIX_BUILD_UI=OFF -DZEMTRIX_BUILD_BENCH=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	bash tests/fuzz/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

bench: deps build
	bash bench/run-benchmarks.sh $(BUILD_DIR)

deps:
	@bash scripts/install-deps.sh $(BUILD_PKGS)

deps-run:
	@bash scripts/install-deps.sh $(BUILD_PKGS) $(RUN_PKGS)

deps-test:
	@bash scripts/install-deps.sh $(BUILD_PKGS) $(TEST_PKGS)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
