# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
SAMPLE ?= data/sample/catch.ini

.PHONY: run test build deps bench clean

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

clean:
	rm -rf $(BUILD_DIR)
