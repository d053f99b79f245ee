# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
SAMPLE ?= data/sample/catch.ini
FUZZ_SECONDS ?= 600

PREFIX ?= /usr/local

.PHONY: run test build deps bench fuzz clean install uninstall package check-install

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD_DIR)

run: build
	$(BUILD_DIR)/catchscale $(SAMPLE)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j2

bench: build
	BUILD_DIR=$(BUILD_DIR) bench/run

# Every test again under AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize/. The
# preset "sanitize" of CMakePresets.json holds the flags and the sanitizers' options.
.PHONY: sanitize
sanitize: deps
	@cmake --workflow --preset sanitize

# Both fuzz targets side by side for FUZZ_SECONDS, built with clang in build-fuzz/.
fuzz: deps
	FUZZ_SECONDS=$(FUZZ_SECONDS) tests/fuzz/run

# Installs under PREFIX (DESTDIR honoured); `make uninstall` removes what the last install listed.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX)

uninstall:
	DESTDIR="$(DESTDIR)" cmake --build $(BUILD_DIR) --target uninstall

# The Debian package, $(BUILD_DIR)/catchscale_VERSION_ARCH.deb.
package: build
	cmake --build $(BUILD_DIR) --target package

# Install, uninstall and the package checked, the package in a clean Debian (needs root).
check-install: build
	packaging/test-install.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
