# The two everyday commands. Both install what is missing first.
#   make run    build and start the program
#   make test   build and run every test
PRESET ?= default
BUILD := build/$(PRESET)

.PHONY: run test build asan bench fuzz package screenshot windows windows-package windows-screenshot clean

run:
	@scripts/install-deps build
	@cmake --preset app >/dev/null
	@cmake --build --preset app --target draftsurvey
	build/app/app/draftsurvey

build:
	@scripts/install-deps build test
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET)

test: build
	ctest --preset $(PRESET)

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
asan:
	@$(MAKE) --no-print-directory test PRESET=asan

bench:
	@scripts/install-deps build test
	cmake --preset release >/dev/null
	cmake --build --preset release --target calc_bench
	build/release/bench/calc_bench

# A bounded libFuzzer run; FUZZ_SECONDS sets its length.
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps build fuzz
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	mkdir -p build/fuzz/corpus
	build/fuzz/fuzz/fuzz_worksheet -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	  build/fuzz/corpus fuzz/seeds

# A Debian package (build/app/*.deb), checked by lintian: any error fails.
package:
	@scripts/install-deps build package
	cmake --preset app >/dev/null
	cmake --build --preset app --target draftsurvey
	cd build/app && cpack -G DEB
	scripts/lint-package build/app/draftsurvey_*.deb

# The README's picture of a worked survey, from the real program.
screenshot:
	@scripts/install-deps build screenshot
	cmake --preset app >/dev/null
	cmake --build --preset app --target draftsurvey
	scripts/take-screenshot build/app/app/draftsurvey docs/worksheet.png

# Everything built for Windows against a Qt cross-built once into a cache
# (scripts/build-qt-windows), every test run under Wine on a virtual display.
windows:
	@scripts/install-deps build windows
	@DRAFTSURVEY_QT_WINDOWS=$$(scripts/build-qt-windows) && export DRAFTSURVEY_QT_WINDOWS && \
	  cmake --preset windows-cross >/dev/null && cmake --build --preset windows-cross
	xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows-cross

# The Windows ZIP and installer (build/windows-cross/DraftSurvey-*-win64*),
# and the packaged program run under Wine as a person would use it.
windows-package: windows
	cd build/windows-cross && cpack -G "ZIP;NSIS"
	scripts/test-windows-package build/windows-cross/DraftSurvey-1.1.0-win64.zip

# The README's picture of the Windows build, from the packaged program.
windows-screenshot: windows-package
	@scripts/install-deps screenshot
	rm -rf build/windows-cross/unpacked && mkdir -p build/windows-cross/unpacked
	cd build/windows-cross/unpacked && unzip -q ../DraftSurvey-1.1.0-win64.zip
	WINEPREFIX=$(CURDIR)/build/windows-cross/wineprefix scripts/take-screenshot \
	  "scripts/wine-run build/windows-cross/unpacked/DraftSurvey-1.1.0-win64/bin/draftsurvey.exe" \
	  docs/worksheet-windows.png

clean:
	rm -rf build
