# Two build trees: `build` is the program as a user runs it, `build-test` is the
# sanitized, warnings-as-errors build that the tests run in.
JOBS ?= $(shell nproc)
CMAKE_GEN := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all build run test build-test fuzz deb clean translations

all: build

build/CMakeCache.txt:
	cmake -S . -B build $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLFEN_BUILD_TESTS=OFF

build: build/CMakeCache.txt
	cmake --build build -j $(JOBS)

run: build
	./build/bin/quillfen

build-test/CMakeCache.txt:
	cmake -S . -B build-test $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
		-DQUILLFEN_WERROR=ON -DQUILLFEN_SANITIZE=ON -DQUILLFEN_BUILD_TESTS=ON

build-test: build-test/CMakeCache.txt
	cmake --build build-test -j $(JOBS)

test: build-test
	cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) fuzz FUZZ_SECONDS=$(FUZZ_SMOKE_SECONDS)
	$(MAKE) deb
	bash packaging/check-package.sh quillfen_*.deb

# After adding or changing a text in src/: bring translations/*.ts up to date, then translate
# what it marks unfinished (`make test` fails while any text is untranslated).
translations:
	python3 tools/translations.py update

# Fuzzing: the targets in fuzz/ built with clang's libFuzzer in fuzz-build, each run for
# FUZZ_SECONDS (`make test` runs each for FUZZ_SMOKE_SECONDS).
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 5

fuzz-build/CMakeCache.txt:
	cmake -S . -B fuzz-build $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
		-DQUILLFEN_FUZZ=ON -DQUILLFEN_SANITIZE=ON -DQUILLFEN_BUILD_TESTS=OFF

fuzz: fuzz-build/CMakeCache.txt
	cmake --build fuzz-build -j $(JOBS) --target quillfen_fuzzers
	bash fuzz/run.sh fuzz-build $(FUZZ_SECONDS)

# The Debian package, built in a tree of its own with Debian's hardening flags (CMake reads
# CFLAGS, CXXFLAGS and LDFLAGS but not CPPFLAGS) and copied here: quillfen_VERSION_ARCH.deb.
build-deb/CMakeCache.txt:
	eval "$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)" && \
	CFLAGS="$$CFLAGS $$CPPFLAGS" CXXFLAGS="$$CXXFLAGS $$CPPFLAGS" \
	cmake -S . -B build-deb $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
		-DQUILLFEN_BUILD_TESTS=OFF

deb: build-deb/CMakeCache.txt
	cmake --build build-deb -j $(JOBS)
	rm -f build-deb/quillfen_*.deb quillfen_*.deb
	cd build-deb && cpack
	cp build-deb/quillfen_*.deb .

clean:
	rm -rf build build-test build-deb fuzz-build quillfen_*.deb
