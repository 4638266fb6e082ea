# The two commands of the README, and a few more for developers.
#   make run   builds the module and the bench, then serves the live panel at http://127.0.0.1:8018/
#   make test  builds everything and passes every test, also under the sanitizers
#   make gau   builds the module file for FS2004, build/win32/Varek_Instr.gau
#   make dist  builds the pilot's zip, dist/Varek_Instr-<version>.zip

JOBS ?= $(shell nproc)
BENCH := build/linux/bench/gauge-bench
MODULE := build/linux/Varek_Instr.so

.PHONY: all deps build run test test-linux test-asan fuzz soak longrun gau panel dist install \
	golden contact-sheet perf format tidy screenshot clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset linux
	cmake --build --preset linux -j $(JOBS)

PORT ?= 8018

run: build
	$(BENCH) serve $(MODULE) --port $(PORT)

test: test-linux test-asan

test-linux: build
	ctest --preset linux -j $(JOBS)

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# Every fuzz target of tests/fuzz for FUZZ_SECONDS each, under AddressSanitizer and
# UndefinedBehaviorSanitizer, from its seed corpus and with a fixed seed (FUZZ_SEED).
FUZZ_SECONDS ?= 60
FUZZ_SEED ?= 1
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	scripts/run-fuzz.sh build/fuzz $(FUZZ_SECONDS) $(FUZZ_SEED)

# The whole panel driven for SOAK_FRAMES random frames in the sanitizer build, which also stops
# at any float converted to an integer it does not fit.
SOAK_FRAMES ?= 1000000
SOAK_SEED ?= 1
soak: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan_suppressions.txt \
		build/asan/bench/gauge-bench soak build/asan/Varek_Instr.so \
		--frames $(SOAK_FRAMES) --seed $(SOAK_SEED)

# The live server for LONGRUN_SECONDS with a page reading its change stream
# (perf/serve_load.py): fails when the page misses a frame, receives fewer than 16 a second at
# the end, or the server's resident memory grows by more than 5 % after a warm-up (half the
# run).
LONGRUN_SECONDS ?= 3600
longrun: build
	perf/serve_load.py --seconds $(LONGRUN_SECONDS) --pages 1 --check

# The golden drawings the rendering tests compare with, and the README's contact sheet: both
# committed, both drawn again by these targets after a change to the art or the renderer.
golden: build
	scripts/make-golden.sh build/linux/tests/varek_tests

contact-sheet: build
	mkdir -p docs
	$(BENCH) contact-sheet $(MODULE) -o docs/contact-sheet.png

# The Windows module file carries the bitmaps and waves that the native build generates.
gau: deps
	cmake --preset linux
	cmake --build --preset linux -j $(JOBS) --target varek_resources
	cmake --preset win32
	cmake --build --preset win32 -j $(JOBS)
	@echo "Built build/win32/Varek_Instr.gau"

# The aircraft's Panel folder for FS2004, next to the module file: panel.cfg and the window
# backgrounds the build draws.
panel: build
	rm -rf build/win32/Panel
	mkdir -p build/win32/Panel
	cp build/linux/panel/panel.cfg build/linux/panel/*.bmp build/win32/Panel/
	@echo "Built build/win32/Panel: copy it into the aircraft's folder (see README)"

# The pilot's zip: the module file, the Panel folder, the read-me, the licence and the changelog,
# packed by CPack from the native build (cmake/release.cmake).
dist: gau
	cmake --build --preset linux -j $(JOBS) --target varek_dist

# gauge-bench with the Linux module and the panel, under PREFIX.
PREFIX ?= /usr/local
install: build
	cmake --install build/linux --prefix $(PREFIX)

# The README's picture of the live panel, taken in headless Chromium.
screenshot: build
	/usr/bin/python3 tests/bench/serve/browser_test.py $(BENCH) $(MODULE) --screenshot docs/live-panel.png

# The benchmarks, then the table of figures against their limits and goals
# (docs/performance.md). They run in the one optimised tree that `make run` uses too: the linux preset is
# the release build (RelWithDebInfo: -O2 and NDEBUG, with the symbols `perf report` needs).
perf: build
	build/linux/perf/varek_perf

format:
	git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format -i

tidy: build
	git ls-files -- '*.cpp' | grep -v '^tests/' | xargs clang-tidy -p build/linux --quiet

clean:
	rm -rf build
