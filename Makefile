# The two everyday commands. Both install what is missing first.
#   make test   build and run every test
#   make run    build and start the program
PRESET ?= default
BUILD := build/$(PRESET)

.PHONY: deps configure build test run asan bench fuzz windows package clean

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

test: build
	ctest --preset $(PRESET)

run: build
	$(BUILD)/app/draftsurvey

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
asan:
	@$(MAKE) --no-print-directory test PRESET=asan

bench: deps
	cmake --preset release >/dev/null
	cmake --build --preset release --target calc_bench
	build/release/bench/calc_bench

# A bounded libFuzzer run; FUZZ_SECONDS sets its length.
FUZZ_SECONDS ?= 60
fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	mkdir -p build/fuzz/corpus
	build/fuzz/fuzz/fuzz_worksheet -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	  build/fuzz/corpus fuzz/seeds

# The toolkit-free parts cross-built for Windows, their tests run under Wine.
windows: deps
	cmake --preset windows-cross >/dev/null
	cmake --build --preset windows-cross
	ctest --preset windows-cross

# A Debian package of the program, with its dependencies worked out by shlibdeps.
package: deps
	cmake --preset release >/dev/null
	cmake --build --preset release --target draftsurvey
	cd build/release && cpack -G DEB

clean:
	rm -rf build
