# The two everyday commands. Both install what is missing first.
#   make run    build and start the program
#   make test   build and run every test
PRESET ?= default
BUILD := build/$(PRESET)

.PHONY: run test build asan bench fuzz package package-files screenshot windows windows-package windows-files windows-screenshot clean

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
	cmake --build --preset release --target calc_bench notice_memory
	build/release/bench/calc_bench
	build/release/bench/notice_memory 1000

# A bounded libFuzzer run; FUZZ_SECONDS sets its length.
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps build fuzz
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	mkdir -p build/fuzz/corpus
	build/fuzz/fuzz/fuzz_worksheet -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	  build/fuzz/corpus fuzz/seeds

# Packages take their time stamps from SOURCE_DATE_EPOCH: the caller's, or
# the date of the changelog's first entry, so that the same commit always
# gives the same files.
package package-files windows-package windows-files: export SOURCE_DATE_EPOCH ?= \
  $(shell dpkg-parsechangelog -l $(CURDIR)/packaging/changelog -S Timestamp 2>/dev/null)

# A Debian package (build/package/*.deb), built with the hardening flags of
# Debian's own packages; its metainfo checked by appstreamcli, the package
# by lintian at its most pedantic: any tag fails. SHA256SUMS beside it.
# The project has no web page, and the metainfo invents no address. The
# check that asks for one, new in AppStream 1.0 (Debian 13), is told so,
# here and in lintian's appstream check, which runs the same tool.
package: package-files
	no_web_page=$$(appstreamcli --version | grep -q ' 0\.' || echo told) && \
	appstreamcli validate --no-net --pedantic \
	  $${no_web_page:+--override=url-homepage-missing=info} build/package/packaging/*.metainfo.xml && \
	lintian -I --pedantic --fail-on error,warning,info,pedantic \
	  $${no_web_page:+--suppress-tags appstream-metadata-validation-failed} \
	  build/package/draftsurvey_*.deb

# The .deb and its checksum alone, as the rebuild check makes them again.
package-files: export DEB_BUILD_MAINT_OPTIONS = hardening=+all
package-files:
	@scripts/install-deps build package
	cmake --preset package >/dev/null \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build --preset package --target draftsurvey
	@# CPack gives the .deb's own members the modes the umask leaves.
	cd build/package && rm -f draftsurvey_*.deb SHA256SUMS && umask 022 && cpack -G DEB
	cd build/package && sha256sum draftsurvey_*.deb >SHA256SUMS

# The README's picture of a worked survey, from the real program.
screenshot:
	@scripts/install-deps build screenshot
	cmake --preset app >/dev/null
	cmake --build --preset app --target draftsurvey control_centres worked_example_plan
	scripts/take-screenshot build/app/app/draftsurvey docs/worksheet.png

# Qt for Windows, cross-built once into a cache (scripts/build-qt-windows),
# exported for the command that follows.
with_qt_windows = DRAFTSURVEY_QT_WINDOWS=$$(scripts/build-qt-windows) && export DRAFTSURVEY_QT_WINDOWS &&

# Everything built for Windows, every test run under Wine on a virtual display.
windows:
	@scripts/install-deps build windows
	@$(with_qt_windows) cmake --preset windows-cross >/dev/null && cmake --build --preset windows-cross
	scripts/virtual-desktop ctest --preset windows-cross

# The Windows ZIP and 64-bit installer (build/windows-release/DraftSurvey-*-win64*),
# each taken down a user's road under Wine (scripts/test-windows-package).
windows-package: windows windows-files
	cmake --preset app >/dev/null && cmake --build --preset app --target control_centres
	@$(with_qt_windows) cmake --build --preset windows-release --target standard-user-installer
	scripts/test-windows-package build/windows-release/DraftSurvey-*-win64.zip \
	  build/windows-release/DraftSurvey-*-win64.exe \
	  build/windows-release/standard-user-test/DraftSurvey-*-win64.exe

# The two Windows packages and their checksums alone, from the release
# build; signed when DRAFTSURVEY_SIGN_PKCS12 and DRAFTSURVEY_SIGN_PASSWORD_FILE
# name a certificate (scripts/sign-windows). A failed signing leaves no package.
# WINDOWS_FILES puts them elsewhere.
WINDOWS_FILES ?= build/windows-release
windows-files:
	@scripts/install-deps build windows sign
	@$(with_qt_windows) scripts/make-windows-files $(WINDOWS_FILES)

# The README's picture of the Windows build, from the packaged program.
windows-screenshot: windows-package
	@scripts/install-deps screenshot
	cmake --build --preset app --target worked_example_plan
	rm -rf build/windows-release/unpacked && mkdir -p build/windows-release/unpacked
	cd build/windows-release/unpacked && unzip -q ../DraftSurvey-*-win64.zip
	WINEPREFIX=$(CURDIR)/build/windows-cross/wineprefix scripts/take-screenshot \
	  "scripts/wine-run $$(echo build/windows-release/unpacked/DraftSurvey-*-win64/bin/draftsurvey.exe)" \
	  docs/worksheet-windows.png

clean:
	rm -rf build
