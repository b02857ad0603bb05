# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps configure clean paquet

deps:
	@bash scripts/installer-dependances.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/bin/sudoku-lumio

test: build
	@bash scripts/verifier-coeur-sans-qt.sh
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@bash scripts/verifier-installation.sh $(BUILD)

# The Debian package of the game, in $(BUILD).
paquet: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
