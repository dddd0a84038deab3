# Front door: `make run` and `make test` on a fresh Debian machine.
BUILD ?= build
SAN_BUILD ?= build-sanitize
JOBS ?= $(shell nproc 2>/dev/null || echo 4)
PACKAGES = cmake g++ make libgtest-dev libgmock-dev clang-format clang-tidy python3-ezdxf \
  qt6-base-dev fonts-dejavu-core locales desktop-file-utils
# The clang builds: the tests, and the fuzz build with libFuzzer and the sanitizers.
CLANG_PACKAGES = clang-14
CLANG_COMPILERS = -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
CLANG_BUILD ?= build-clang
FUZZ_PACKAGES = $(CLANG_PACKAGES) libclang-rt-14-dev
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_JOBS ?= $(JOBS)
# Extra options for configuring a build folder (CI turns warnings into errors).
CMAKE_OPTIONS ?=
# The sources held to the house format (.clang-format): the tracked ones, or
# every one outside the build folders where the tree is not a git checkout.
FORMAT_FILES = $(shell git ls-files '*.cpp' '*.hpp' 2>/dev/null || \
  find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.hpp' \) -print)

.PHONY: all deps build run editor test test-clang test-sanitize format-check tidy-names fuzz fuzz-programs install-check ci bench clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then apt-get update -qq && apt-get install -y -qq $$missing; \
	  else sudo apt-get update -qq && sudo apt-get install -y -qq $$missing; fi; \
	fi
	@# A locale whose decimal mark is a comma, for the tests of the number writers.
	@if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then \
	  echo "Generating the locale de_DE.UTF-8"; \
	  as_root=""; [ "$$(id -u)" -eq 0 ] || as_root=sudo; \
	  if grep -q '^# *de_DE\.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then \
	    $$as_root sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen; \
	  elif ! grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then \
	    echo 'de_DE.UTF-8 UTF-8' | $$as_root tee -a /etc/locale.gen >/dev/null; \
	  fi; \
	  $$as_root locale-gen; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_OPTIONS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@mkdir -p $(BUILD)/samples
	@$(BUILD)/bin/QlEngl samples/bridge.dat $(BUILD)/samples/bridge.lis; \
	  status=$$?; \
	  echo "QlEngl exit status $$status; listing written to $(BUILD)/samples/bridge.lis"; \
	  test $$status -eq 0

# Builds everything and starts the editor of build/bin, the programs' folder.
editor: build
	$(BUILD)/bin/Quillon

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The same tests built with clang, whose warnings differ from gcc's.
test-clang: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(CLANG_PACKAGES)"
	cmake -S . -B $(CLANG_BUILD) $(CLANG_COMPILERS) $(CMAKE_OPTIONS)
	cmake --build $(CLANG_BUILD) -j $(JOBS)
	cd $(CLANG_BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(SAN_BUILD) -DQUILLON_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug $(CMAKE_OPTIONS)
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# The engine on long generated decks beside cat, and the Fw.d writer's two
# roads on ten million values (not part of test or CI).
bench: build
	cmake --build $(BUILD) --target quillon_bench -j $(JOBS)
	$(BUILD)/bench/quillon_bench $(BUILD) bench/make-bench-deck.sh

# Builds the fuzz targets (fuzz/README.md) and runs each for FUZZ_SECONDS on
# FUZZ_JOBS cores, all targets at once; fails when any of them found something.
$(FUZZ_BUILD)/CMakeCache.txt:
	cmake -S . -B $(FUZZ_BUILD) $(CLANG_COMPILERS) -DQUILLON_FUZZ=ON -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g"

fuzz: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(FUZZ_PACKAGES)"
	@$(MAKE) --no-print-directory $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) --target fuzzers -j $(JOBS)
	fuzz/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_JOBS)

# Each program's binary of the sanitizer build on its fuzz target's corpus
# (the seeds, and what `make fuzz` grew in $(FUZZ_BUILD)), with a time limit.
fuzz-programs: deps
	cmake -S . -B $(SAN_BUILD) -DQUILLON_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug $(CMAKE_OPTIONS)
	cmake --build $(SAN_BUILD) -j $(JOBS)
	JOBS=$(FUZZ_JOBS) fuzz/run-programs $(SAN_BUILD) $(FUZZ_BUILD)

# The console programs built in a fresh folder where GoogleTest and Qt cannot
# be found (a find_package outside its option fails there) and where a library
# not declared STATIC would be a shared one the install lacks, installed under
# a scratch DESTDIR and run from there; then the same for the build of $(BUILD).
CONSOLE_BUILD ?= $(BUILD)-console
INSTALL_STAGE ?= $(BUILD)-install
install-check: build
	rm -rf $(CONSOLE_BUILD) $(INSTALL_STAGE)
	cmake -S . -B $(CONSOLE_BUILD) --no-warn-unused-cli -DQUILLON_BUILD_TESTS=OFF -DQUILLON_BUILD_EDITOR=OFF \
	  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DBUILD_SHARED_LIBS=ON \
	  $(CMAKE_OPTIONS)
	cmake --build $(CONSOLE_BUILD) -j $(JOBS)
	.ci/install-check $(CONSOLE_BUILD) $(CONSOLE_BUILD)/install
	.ci/install-check $(BUILD) $(INSTALL_STAGE)

# Fails on the first source that clang-format would change.
format-check: deps
	@echo "Checking the house format of $(words $(FORMAT_FILES)) sources"
	@clang-format --dry-run -Werror $(FORMAT_FILES)

# The naming rule of .clang-tidy on every source of the tree, by the build's
# compile_commands.json (the build makes the Qt headers the editor's sources
# include), JOBS files at a time, the compiler's own warnings left to the
# build; fails on any name that breaks it.
TIDY_SOURCES = '^$(CURDIR)/(?!build)[^/]+/.*\.cpp$$'
tidy-names: build
	@echo "Checking the house names of the sources of $(BUILD)/compile_commands.json"
	@run-clang-tidy -quiet -extra-arg=-w -p $(BUILD) -j $(JOBS) $(TIDY_SOURCES) >$(BUILD)/tidy-names.log 2>&1 || \
	  { grep -E "error:|warning:" $(BUILD)/tidy-names.log | sort -u; \
	    echo "tidy-names failed; the whole output is $(BUILD)/tidy-names.log"; exit 1; }

# What .ci/run does: the format, then build, tests, the names, the sample, the
# install, the tests built with clang and the sanitizer tests with warnings as
# errors, in build folders of their own so that a plain `make` keeps warnings
# as warnings; then a minute of each fuzz target and the programs on the
# corpus under the sanitizers. The gcc build takes the flags of a Debian
# package build: its preprocessor flags go in with the compiler's, as CMake
# reads no CPPFLAGS, and _FORTIFY_SOURCE (which needs optimisation) marks
# more of the C library's results as ones to use.
CI_BUILD = build-ci
CI_CLANG_BUILD = build-ci-clang
CI_SAN_BUILD = build-ci-sanitize
CI_FUZZ_BUILD = build-ci-fuzz
CI_CXXFLAGS = -O2 -D_FORTIFY_SOURCE=2
ci: format-check
	cmake -S . -B $(CI_BUILD) -DQUILLON_WERROR=ON -DCMAKE_CXX_FLAGS="$(CI_CXXFLAGS)"
	$(MAKE) test tidy-names run install-check test-clang test-sanitize fuzz fuzz-programs BUILD=$(CI_BUILD) \
	  CLANG_BUILD=$(CI_CLANG_BUILD) SAN_BUILD=$(CI_SAN_BUILD) FUZZ_BUILD=$(CI_FUZZ_BUILD) FUZZ_SECONDS=60 \
	  CMAKE_OPTIONS=-DQUILLON_WERROR=ON

clean:
	rm -rf $(BUILD) $(CLANG_BUILD) $(SAN_BUILD) $(FUZZ_BUILD) $(CI_BUILD) $(CI_CLANG_BUILD) $(CI_SAN_BUILD) \
	  $(CI_FUZZ_BUILD) $(CONSOLE_BUILD) $(INSTALL_STAGE) $(CI_BUILD)-console $(CI_BUILD)-install
