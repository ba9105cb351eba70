# The two entry points: `make run` and `make test`. Each installs what is
# missing, builds what is stale, and keeps every Wine state under build/.
BUILD := build
JOBS ?= 2

.PHONY: all deps configure build run test dist picture gallery bench fuzz clean

all: build

deps:
	@./tools/install-deps.sh

configure: deps
	@if [ ! -f $(BUILD)/CMakeCache.txt ]; then \
	  cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1; \
	fi

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@./tools/run.sh $(BUILD)

# The package a user downloads: build/dist/napkey-<version>.zip.
dist: build
	@ls $(BUILD)/dist/napkey-*.zip

# The picture at the top of the README, taken again: docs/napkey.png.
picture: build
	@./tools/gallery.sh $(BUILD) picture

gallery: build
	@./tools/gallery.sh $(BUILD)

# Speed figures, measured against a baseline in the same run.
bench: build
	@./tools/bench.sh $(BUILD)

# Each fuzz target for FUZZ_SECONDS (a minute by default) on top of its corpus.
FUZZ_SECONDS ?= 60
fuzz: build
	@for f in $(BUILD)/fuzz/*_fuzz; do t=$$(basename $$f _fuzz); echo "$$t:"; \
	  ./tests/fuzz/run.sh $$f tests/fuzz/corpus/$$t $(FUZZ_SECONDS) || exit 1; done

# Ends with where the tests stand against the program (tools/testlines.py).
test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS); rc=$$?; cd $(CURDIR) && ./tools/testlines.py; exit $$rc

clean:
	rm -rf $(BUILD)
