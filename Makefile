# make run          : set-up, build, start Vitalis from the build tree
# make test         : set-up, build, every test, then the core tests again under ASan + UBSan
# make test-clang   : the core, its tools and tests built by clang with -Werror, and run
# make test-tsan    : the session, worker and device tests under ThreadSanitizer
# make fuzz-smoke   : every fuzzer FUZZ_SECONDS on its corpus (clang + libFuzzer)
# make format-check : every C++ file laid out as .clang-format says
# make ci           : everything continuous integration runs
# make package      : a Debian package of the installed programs
BUILD       ?= build
SAN_BUILD   ?= build-sanitize
CLANG_BUILD ?= build-clang
TSAN_BUILD  ?= build-tsan
FUZZ_BUILD  ?= build-fuzz
JOBS        ?= $(shell nproc)
CLANGXX     ?= clang++
# One version of the formatter: another lays some lines out differently.
CLANG_FORMAT ?= clang-format-14
FUZZ_SECONDS ?= 60
WERROR      ?= ON
GENERATOR   := -G Ninja
# Deferred on purpose: scripts/setup may install ccache just before the first configure, and the
# launcher must be the same from the first build on, or later runs rebuild everything.
LAUNCHER     = $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CONFIGURE    = cmake $(GENERATOR) -DVITALIS_WERROR=$(WERROR) $(LAUNCHER)
SAN_ENV     := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
               UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# The tests that run threads against each other: the session worker and the device links.
TSAN_TESTS  ?= Session|Worker|Link|Heron|Hid|Download|Upload|Sim|Serial|Stream|Wire

.PHONY: setup build run test test-sanitize test-clang test-tsan fuzz-build fuzz-smoke ci \
        format-check \
        package bench clean

setup:
	scripts/setup

build: setup
	$(CONFIGURE) -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/vitalis

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	$(MAKE) test-sanitize

test-sanitize: setup
	$(CONFIGURE) -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVITALIS_SANITIZE=ON \
	      -DVITALIS_CORE_ONLY=ON
	cmake --build $(SAN_BUILD) -j $(JOBS)
	$(SAN_ENV) ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS)

format-check: setup
	git ls-files '*.cpp' '*.h' | xargs $(CLANG_FORMAT) --dry-run --Werror

test-clang: setup
	$(CONFIGURE) -S . -B $(CLANG_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=$(CLANGXX) \
	      -DVITALIS_CORE_ONLY=ON
	cmake --build $(CLANG_BUILD) -j $(JOBS)
	ctest --test-dir $(CLANG_BUILD) --output-on-failure -j $(JOBS)

test-tsan: setup
	$(CONFIGURE) -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVITALIS_TSAN=ON \
	      -DVITALIS_CORE_ONLY=ON
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target vitalis_core_tests vitalis_device_os_tests
	TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
	    ctest --test-dir $(TSAN_BUILD) --output-on-failure -j $(JOBS) -R '$(TSAN_TESTS)' -E '_corpus$$'

fuzz-build: setup
	$(CONFIGURE) -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DCMAKE_CXX_COMPILER=$(CLANGXX) -DVITALIS_FUZZ=ON -DVITALIS_CORE_ONLY=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target vitalis_fuzzers

# Each fuzzer starts from its seed corpus (read only) and keeps what it finds in the build
# folder; any crash, leak, timeout or sanitizer report fails the target.
fuzz-smoke: fuzz-build
	@set -e; for corpus in fuzz/corpus/*/; do \
	    name=$$(basename $$corpus); \
	    work=$(FUZZ_BUILD)/corpus/$$name; mkdir -p $$work $(FUZZ_BUILD)/crashes; \
	    echo "== $${name}_fuzz, $(FUZZ_SECONDS) s"; \
	    $(SAN_ENV) $(FUZZ_BUILD)/bin/$${name}_fuzz -max_total_time=$(FUZZ_SECONDS) \
	        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
	        -artifact_prefix=$(FUZZ_BUILD)/crashes/$${name}- $$work $$corpus \
	        2>$(FUZZ_BUILD)/$$name.log || { tail -50 $(FUZZ_BUILD)/$$name.log; exit 1; }; \
	    grep -E '^stat::number_of_executed_units|DONE +cov' \
	        $(FUZZ_BUILD)/$$name.log || true; \
	done

ci: format-check test
	$(MAKE) test-clang
	$(MAKE) test-tsan
	$(MAKE) fuzz-smoke FUZZ_SECONDS=10

package: build
	cd $(BUILD) && cpack -G DEB

bench: build
	$(BUILD)/bin/vitalis_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/vitalis_views_bench

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(CLANG_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD)
