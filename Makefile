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
.PHONY: run test lint lint-only mutants mutants-every build artwork clean

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
	$(MAKE) --no-print-directory lint-only
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	cmake -S . -B $(BUILD)-sanitize -DCMAKE_CXX_COMPILER=clang++ -DVORBIA_SANITIZE=ON \
	      -DVORBIA_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug -DVORBIA_WARNINGS_AS_ERRORS=ON
	cmake --build $(BUILD)-sanitize -j$(JOBS)
	cd $(BUILD)-sanitize && VORBIA_DIFFERENTIAL_TABLES=5000 $(SANITIZER_OPTIONS) ctest --output-on-failure -j$(JOBS)
	VORBIA_FUZZ_BUILD=$(CURDIR)/$(BUILD)-fuzz tests/fuzz/run-fuzzer.sh 60

# clang-tidy with the checks of .clang-tidy over every file of ours the build compiles; any finding
# fails. It reads the build's compile_commands.json and the files moc generates, so it builds first.
lint:
	scripts/install-deps.sh test
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORBIA_WARNINGS_AS_ERRORS=ON
	cmake --build $(BUILD) -j$(JOBS)
	$(MAKE) --no-print-directory lint-only

LINTED = $(CURDIR)/(app|bench|desktop|dialogs|engine|settings|tests|tools|ui)/
lint-only:
	run-clang-tidy -p $(BUILD) -j$(JOBS) -quiet '^$(LINTED)' >$(BUILD)/lint.txt 2>&1 \
	  || { sed 's/\x1b\[[0-9;]*m//g' $(BUILD)/lint.txt | grep -E -A3 'warning:|error:'; \
	       echo "clang-tidy found the above; all of its output: $(BUILD)/lint.txt"; false; }

# Not part of `test`: every fault of tests/mutation/mutants.txt in turn, each rebuilt and tested.
mutants:
	scripts/install-deps.sh test
	tests/mutation/run-mutants.py

# Slower: every test on every fault, to learn which tests catch which faults and which catch a
# fault no other test does; the table goes to docs/mutation.md. MUTANT_STAGES picks the stages.
MUTANT_STAGES ?= core,core-long,dialogs,window,widgets,end-to-end
mutants-every:
	scripts/install-deps.sh test
	tests/mutation/run-mutants.py --every-test --stages $(MUTANT_STAGES) --report docs/mutation.md

artwork:
	tools/artwork/regenerate.sh

clean:
	rm -rf $(BUILD) $(BUILD)-sanitize $(BUILD)-fuzz
