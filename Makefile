# make run  : set-up, build, start Vitalis from the build tree
# make test : set-up, build, every test, then the core tests again under ASan + UBSan
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
JOBS       ?= $(shell nproc)
GENERATOR  := -G Ninja
LAUNCHER   := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: setup build run test test-sanitize bench clean

setup:
	scripts/setup

build: setup
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/vitalis

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	$(MAKE) test-sanitize

test-sanitize:
	cmake -S . -B $(SAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DVITALIS_SANITIZE=ON \
	      -DVITALIS_CORE_ONLY=ON $(LAUNCHER)
	cmake --build $(SAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	    ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bin/vitalis_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/vitalis_views_bench

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
