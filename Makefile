# Baralune: `make run` starts the program, `make test` runs every test.
BUILD     ?= build
# `make run` builds only the programs, in a folder of their own, with nothing for testing.
APP       ?= $(BUILD)/app
SANITIZE  ?= $(BUILD)/sanitize
THREADS   ?= $(BUILD)/threads
FUZZ      ?= $(BUILD)/fuzz
JOBS      ?= $(shell nproc)
CMAKE_GEN := -G Ninja
REPORT    ?= $(BUILD)/sample-reading.rtf
# The browser edition: static files, served as they are.
WEB       ?= $(BUILD)/web

.PHONY: all deps deps-test deps-web web web-build configure build app run test check test-main test-sanitize test-threads fuzz bench package format clean

all: build

deps:
	@tools/install-deps.sh

deps-test:
	@tools/install-deps.sh --test

deps-web:
	@tools/install-deps.sh --web

# The browser edition, built into $(WEB) and served on the loopback address until stopped.
web-build: deps-web
	web/build.sh $(abspath $(WEB))

web: web-build
	python3 web/serve.py $(WEB)

$(BUILD)/build.ninja: | deps-test
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps-test $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

$(APP)/build.ninja: | deps
	cmake -S . -B $(APP) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DBARALUNE_TESTS=OFF -DBARALUNE_BENCH=OFF

app: deps $(APP)/build.ninja
	cmake --build $(APP) -j $(JOBS) --target baralune baralune-deal

run: app
	@tools/run.sh $(APP)

test: test-main fuzz test-sanitize test-threads

test-main: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The quick round while working: the normal build's tests, without those labelled slow.
check: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -LE slow

$(SANITIZE)/build.ninja: | deps-test
	CC=clang CXX=clang++ cmake -S . -B $(SANITIZE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	  -DBARALUNE_SANITIZE=ON -DBARALUNE_BENCH=OFF

test-sanitize: deps-test $(SANITIZE)/build.ninja
	cmake --build $(SANITIZE) -j $(JOBS)
	cd $(SANITIZE) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS) -LE no-sanitize

# ThreadSanitizer over what runs on more than one thread: readings computed side by side and the
# journal's writer. Only those two test programs, to keep the whole suite short. The journal
# tests that start a child process are left to the other builds: ThreadSanitizer cannot follow
# the way Qt starts one.
CHILD_PROCESS_TESTS := JournalTest.AReadOnlyFolderOrFileIsReadNotWritten:JournalTest.AWriterKilledMidTransactionLeavesAJournalThatOpensCleanly

$(THREADS)/build.ninja: | deps-test
	CC=clang CXX=clang++ cmake -S . -B $(THREADS) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DBARALUNE_THREAD_SANITIZE=ON -DBARALUNE_UI=OFF -DBARALUNE_BENCH=OFF

test-threads: deps-test $(THREADS)/build.ninja
	cmake --build $(THREADS) -j $(JOBS) --target engine_tests journal_tests
	cd $(THREADS) && TSAN_OPTIONS=halt_on_error=1 bin/engine_tests --gtest_brief=1
	cd $(THREADS) && TSAN_OPTIONS=halt_on_error=1 bin/journal_tests --gtest_brief=1 \
	  --gtest_filter=-$(CHILD_PROCESS_TESTS)

$(FUZZ)/build.ninja: | deps-test
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DBARALUNE_FUZZ=ON -DBARALUNE_TESTS=OFF -DBARALUNE_BENCH=OFF

fuzz: deps-test $(FUZZ)/build.ninja
	cmake --build $(FUZZ) -j $(JOBS)
	tools/run-fuzzers.sh $(FUZZ)

# Repaints the card faces, backs, icon and cursor in assets/ (committed PNG files).
.PHONY: artwork
artwork: build
	$(BUILD)/bin/paint-cards assets

# A Debian package of the programs, their menu entry, icons and metainfo, written into $(BUILD)/.
package: build
	cmake --build $(BUILD) --target package

bench: build
	@for b in $(BUILD)/bin/bench_*; do $$b; done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
