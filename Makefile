# `make run` builds and starts the game; `make test` builds and runs every test; `make mutants`
# measures how many injected faults the tests catch.
# Both install the Debian packages they need first, when any is missing.
BUILD ?= build
JOBS ?= $(shell nproc)
# Any report of the sanitizers fails the test that caused it.
SANITIZER_OPTIONS = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:print_stacktrace=1 \
                    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
                    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# The sanitizer build uses clang, so every test also runs from a second compiler's build, whose
# warnings are errors too. The literal computer search is slow under the sanitizers: the
# optimised build compares it with the fast one on 100,000 tables, the sanitizer build on a few
# thousand.
.PHONY: run test mutants build artwork clean

run:
	scripts/install-deps.sh run
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS) --target vorbia
	$(BUILD)/bin/vorbia

test:
	scripts/install-deps.sh test
	scripts/check-format.sh
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORBIA_WARNINGS_AS_ERRORS=ON
	cmake --build $(BUILD) -j$(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	cmake -S . -B $(BUILD)-sanitize -DCMAKE_CXX_COMPILER=clang++ -DVORBIA_SANITIZE=ON \
	      -DVORBIA_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug -DVORBIA_WARNINGS_AS_ERRORS=ON
	cmake --build $(BUILD)-sanitize -j$(JOBS)
	cd $(BUILD)-sanitize && VORBIA_DIFFERENTIAL_TABLES=5000 $(SANITIZER_OPTIONS) ctest --output-on-failure -j$(JOBS)
	VORBIA_FUZZ_BUILD=$(CURDIR)/$(BUILD)-fuzz tests/fuzz/run-fuzzer.sh 60

# Not part of `test`: every fault of tests/mutation/mutants.txt in turn, each rebuilt and tested.
mutants:
	scripts/install-deps.sh test
	tests/mutation/run-mutants.py

artwork:
	tools/artwork/regenerate.sh

clean:
	rm -rf $(BUILD) $(BUILD)-sanitize $(BUILD)-fuzz
