# `make run` builds and starts the game; `make test` builds and runs every test.
# Both install the Debian packages they need first, when any is missing.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build artwork clean

run:
	scripts/install-deps.sh run
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS) --target vorbia
	$(BUILD)/bin/vorbia

test:
	scripts/install-deps.sh test
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

artwork:
	tools/artwork/regenerate.sh

clean:
	rm -rf $(BUILD)
