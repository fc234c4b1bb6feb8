# Two build trees: `build` is the program as a user runs it, `build-test` is the
# sanitized, warnings-as-errors build that the tests run in.
JOBS ?= $(shell nproc)
CMAKE_GEN := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all build run test build-test clean

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

clean:
	rm -rf build build-test
