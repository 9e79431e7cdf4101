# Thin wrapper over CMake. `make demo` and `make test` do all the set-up on a
# fresh Debian machine.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# The programs look for their data files under this prefix once installed;
# the Debian package installs under /usr.
PREFIX ?= /usr

.PHONY: setup configure build demo test test-sanitize fuzz gui bench package package-setup clean

setup:
	bash scripts/setup

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=$(PREFIX) $(CMAKE_FLAGS)

configure: $(BUILD)/build.ninja

build: setup configure
	cmake --build $(BUILD) -j $(JOBS)

demo: build
	bash scripts/demo $(BUILD)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The core and command-line tests once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer.
test-sanitize: setup
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUMERAL_SANITIZE=ON -DLUMERAL_GUI=OFF -DLUMERAL_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# Every reader of outside input under libFuzzer (fuzz/): the core built by
# clang with AddressSanitizer and UndefinedBehaviorSanitizer in
# $(FUZZ_BUILD), then each target for FUZZ_SECONDS, one after another.
fuzz: setup
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DLUMERAL_FUZZ=ON -DLUMERAL_GUI=OFF -DLUMERAL_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	bash fuzz/run $(FUZZ_BUILD) $(FUZZ_SECONDS)

gui: build
	./$(BUILD)/lumeral

bench: setup
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMERAL_GUI=OFF
	cmake --build build-bench -j $(JOBS)
	bash bench/run build-bench
	bash bench/retrieval build-bench
	bash bench/classify build-bench L
	bash bench/mining build-bench M L
	bash bench/linear build-bench
	bash bench/statistics build-bench L
	bash bench/import-table build-bench

# The Debian packages lumeral-cli_<version>_amd64.deb and
# lumeral_<version>_amd64.deb (none with LUMERAL_GUI=OFF), in $(BUILD). A
# build folder configured with another prefix is set to /usr first (only
# the stopword lookup recompiles). cpack works in $(BUILD)/cpack;
# packaging/check-packages then runs lintian and the AppStream and
# desktop-entry validators on what it wrote, and the packages replace the
# previous ones only once they are all complete and clean.
package: package-setup configure
	cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(BUILD) -j $(JOBS)
	rm -rf $(BUILD)/cpack
	cd $(BUILD) && cpack --config CPackConfig.cmake -G DEB -B cpack
	bash packaging/check-packages $(BUILD)/cpack
	rm -f $(BUILD)/lumeral_*.deb $(BUILD)/lumeral-cli_*.deb
	mv $(BUILD)/cpack/*.deb $(BUILD)/
	rm -rf $(BUILD)/cpack
	@echo "package: $$(ls $(BUILD)/lumeral*.deb)"

# What building needs, and lintian, appstream and desktop-file-utils.
package-setup:
	bash scripts/setup --package

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) build-bench
