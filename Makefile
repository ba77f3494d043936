# Corvalto: the two set-up commands are `make run` and `make test`.
RELEASE_DIR := build/release
TEST_DIR    := build/test
JOBS        ?= $(shell nproc)

.PHONY: run test build deps bench package clean

deps:
	@./scripts/install-deps.sh

build: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVALTO_SANITIZE=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)

run: build
	cd $(RELEASE_DIR)/corvalto && ./corvalto

test: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVALTO_SANITIZE=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	./scripts/check-link-packages.sh $(TEST_DIR)
	./scripts/check-layers.py
	./scripts/check-format.sh
	./scripts/run-tests.sh $(TEST_DIR)

bench: build
	$(RELEASE_DIR)/bench/corvalto-bench

# The .deb of the installed layout, left in build/, checked with lintian.
package: build
	cpack --config $(RELEASE_DIR)/CPackConfig.cmake -B build
	./scripts/check-package.sh build

clean:
	rm -rf build
