# make test: installs what is missing, builds, runs every test.
# make run:  installs what is missing, builds, starts the program.
# make deb:  builds dist/kakeibo_<version>_<arch>.deb.
# make install / make uninstall: into PREFIX (default /usr/local; DESTDIR is honoured).
# make clean: removes the build folders, but refuses while one holds a book
#            (the program keeps its book in ~/.local/share/kakeibo, never there).
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= 2
FUZZ_SECONDS ?= 30
PREFIX     ?= /usr/local
# Warnings are errors on CI machines.
WERROR := $(if $(CI),ON,OFF)

.PHONY: deps build test unit-tests asan-tests fuzz bench run clean deb package-test install uninstall

deps:
	scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAKEIBO_WERROR=$(WERROR)
	cmake --build $(BUILD) -j$(JOBS)

unit-tests: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

asan-tests: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKAKEIBO_WERROR=$(WERROR) \
	      -DKAKEIBO_SANITIZE=ON -DKAKEIBO_BENCH=OFF -DKAKEIBO_CORE_ONLY=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(JOBS)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DKAKEIBO_FUZZ=ON -DKAKEIBO_BENCH=OFF -DKAKEIBO_CORE_ONLY=ON -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS)
	scripts/run-fuzzers.sh $(FUZZ_BUILD)/fuzz $(FUZZ_SECONDS)

# The package from the normal build: its files and fields, lintian, and
# (as root) its install, a run of both programs and its removal.
deb: build
	cmake --build $(BUILD) -j$(JOBS) --target package

package-test: deb
	scripts/test-package.sh $(BUILD)

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	cmake -DMANIFEST=$(BUILD)/install_manifest.txt -P cmake/Uninstall.cmake

test: unit-tests package-test asan-tests fuzz

bench: build
	for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

run: build
	$(BUILD)/kakeibo

# The files of a book (a portable copy put into a build folder by hand).
BOOK_FILES := -name Mirab050.mrb -o -name Mirab050.prf -o -name Mirab050.mmm -o -name Mirab050.bak \
              -o -name 'Mirab050.recovery*' -o -name 'Mirab050.conflict-*' -o -name 'Mirab050-*.mrb'

clean:
	@books=$$(find $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) \( $(BOOK_FILES) \) -print 2>/dev/null); \
	if [ -n "$$books" ]; then \
	  echo "make clean: refused, a household book is in a build folder:" >&2; \
	  echo "$$books" | sed 's/^/  /' >&2; \
	  echo "Move these files elsewhere first (see \"Where your book lives\" in README.md)." >&2; \
	  exit 1; \
	fi
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) dist
