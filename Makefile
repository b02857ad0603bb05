# The two commands of the README: `make run` and `make test`; `make test-asan` and `make fuzz`
# hunt for memory faults and undefined behaviour.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDES ?= 60
JOBS ?= $(shell nproc)
SANITISEURS = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan-suppressions.txt:print_suppressions=0 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

.PHONY: run test test-asan fuzz build deps deps-test configure clean paquet

# What building and running need; the tests' own tools come with deps-test.
deps:
	@bash scripts/installer-dependances.sh execution

deps-test:
	@bash scripts/installer-dependances.sh test

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/bin/sudoku-lumio

test: deps-test build
	@bash scripts/verifier-coeur-sans-qt.sh
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@bash scripts/verifier-installation.sh $(BUILD)
	@bash scripts/verifier-paquet.sh $(BUILD)

# The Debian package of the game, in $(BUILD).
paquet: deps-test build
	cd $(BUILD) && cpack -G DEB

# Every test CTest knows, built with clang under both sanitizers.
test-asan: deps-test
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DLUMIO_SANITISEURS=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(SANITISEURS) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Each fuzz target for FUZZ_SECONDES seconds.
fuzz: deps-test
	@bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDES)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
