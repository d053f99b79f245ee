# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# `make` builds the program, `make check` (or `make test`) runs the tests, `make install` installs
# it stripped. `make run` and `make check` first install the Debian packages they need, saying
# which and why; `make` alone installs nothing.
BUILD_DIR ?= build
SAMPLE ?= data/sample/catch.ini
FUZZ_SECONDS ?= 600

PREFIX ?= /usr/local
# The program's own targets: the executable with its data, the icons and the man page.
PROGRAM_TARGETS = catchscale catchscale_installed_files

.DEFAULT_GOAL := all
.PHONY: all run check test build deps configure bench fuzz clean install install-strip \
        uninstall package check-install sanitize

# A new build folder leaves the tests out, so `make` needs none of their packages; a folder
# `make check` configured keeps them, and `make` there still builds only the program.
$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF

all: $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) --target $(PROGRAM_TARGETS)

run:
	@scripts/install-deps.sh run
	@$(MAKE) --no-print-directory all
	$(BUILD_DIR)/catchscale $(SAMPLE)

deps:
	@scripts/install-deps.sh test

# The program, the tests and the benchmarks.
build: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
	    >/dev/null
	@cmake --build $(BUILD_DIR)

check: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j2

test: check

bench: build
	BUILD_DIR=$(BUILD_DIR) bench/run

# Every test again under AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize/. The
# preset "sanitize" of CMakePresets.json holds the flags and the sanitizers' options.
sanitize: deps
	@cmake --workflow --preset sanitize

# Both fuzz targets side by side for FUZZ_SECONDS, built with clang in build-fuzz/.
fuzz: deps
	FUZZ_SECONDS=$(FUZZ_SECONDS) tests/fuzz/run

# Installs the program stripped under PREFIX (DESTDIR honoured); `make uninstall` removes what
# the last install listed.
install: all
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX) --strip

install-strip: install

uninstall:
	DESTDIR="$(DESTDIR)" cmake --build $(BUILD_DIR) --target uninstall

# The Debian package, build-deb/catchscale_VERSION_ARCH.deb: the program alone, built with the
# hardening flags dpkg-buildflags gives.
package:
	@scripts/install-deps.sh run dpkg-dev
	packaging/build-deb.sh build-deb

# What reaches a user's system checked, the package in a clean Debian (needs root).
check-install: build
	packaging/test-install.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) build-deb
