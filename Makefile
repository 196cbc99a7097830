# make run  : installs what is missing, builds and starts Tavelo
# make test : installs what is missing, builds and runs every test headless
# make package      : builds the Debian package build/package/tavelo_<version>_<arch>.deb
# make package-test : builds it, checks it with lintian, installs it, runs the installed
#                     program under Xvfb, then removes it (as root; see tools/package-test.sh)
# make fuzz : installs clang, builds the fuzz targets of tests/fuzz and runs each
#             for FUZZ_SECONDS (600 by default); skipped when clang cannot be had

PACKAGES := cmake ninja-build g++ ccache pkg-config \
	qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-image-formats-plugins \
	libqt6svg6 libgl-dev libgtest-dev libgmock-dev libbenchmark-dev libxlsxwriter-dev libzip-dev \
	breeze-icon-theme fonts-comic-neue fonts-liberation2 fonts-wine fonts-dejavu-core \
	ffmpeg gstreamer1.0-plugins-good xvfb xdotool qt6-translations-l10n poppler-utils

BUILD := build
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)
# Every clone and work tree of the project shares ccache's objects: paths inside
# the checkout are hashed relative to it, and the build folder stays out of the key.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: deps configure build run test clean fuzz fuzz-deps package package-deps package-test

deps:
	@missing=""; for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installation de :$$missing"; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing; \
	fi

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD)

run: build
	./$(BUILD)/bin/tavelo

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)

# The Debian package: CPack's DEB generator, dependencies computed by dpkg-shlibdeps.
PACKAGE_TOOLS := dpkg-dev file binutils lintian imagemagick xvfb xdotool

package-deps: deps
	@missing=""; for p in $(PACKAGE_TOOLS); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installation de :$$missing"; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing || \
	  { $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing; }; \
	fi

package: package-deps build
	rm -f $(BUILD)/package/*.deb
	cd $(BUILD) && cpack -G DEB --config CPackConfig.cmake
	@ls -l $(BUILD)/package/*.deb

package-test: package
	$(SUDO) tools/package-test.sh $(BUILD)

# Fuzzing: each tests/fuzz/NAME.cpp is a libFuzzer target built with clang and the
# sanitizers, from the sources it reads (no Qt Widgets); tests/fuzz/corpus/NAME
# holds its seeds. A finding stops with a non-zero status and leaves its input in
# $(FUZZ_BUILD)/findings-NAME-*.
FUZZ_SECONDS ?= 600
FUZZ_BUILD := build-fuzz
FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ_TARGETS := $(basename $(notdir $(wildcard tests/fuzz/*.cpp)))
FUZZ_SOURCES := $(wildcard src/records/*.cpp) src/administration/accountimport.cpp
FUZZ_FLAGS := -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
	-Isrc $(shell pkg-config --cflags Qt6Core 2>/dev/null)

fuzz-deps: deps
	@missing=""; for p in $(FUZZ_PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installation de :$$missing"; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing || \
	  { $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing; } || true; \
	fi

fuzz: fuzz-deps
	@mkdir -p $(FUZZ_BUILD); \
	if echo 'extern "C" int LLVMFuzzerTestOneInput(const char *, unsigned long) { return 0; }' \
	     | clang++ -x c++ -fsanitize=fuzzer,address,undefined - -o $(FUZZ_BUILD)/probe >/dev/null 2>&1; then \
	  $(MAKE) --no-print-directory fuzz-run; \
	else \
	  echo "fuzz: skipped (no clang with libFuzzer here)"; \
	fi

FUZZ_OBJECTS := $(patsubst %.cpp,$(FUZZ_BUILD)/obj/%.o,$(FUZZ_SOURCES))
FUZZ_BINARIES := $(addprefix $(FUZZ_BUILD)/,$(FUZZ_TARGETS))
-include $(FUZZ_OBJECTS:.o=.d) $(FUZZ_BINARIES:=.d)
.SECONDARY: $(FUZZ_OBJECTS)

$(FUZZ_BUILD)/obj/%.o: %.cpp
	@mkdir -p $(dir $@)
	clang++ $(FUZZ_FLAGS) -MMD -c $< -o $@

$(FUZZ_BUILD)/%: tests/fuzz/%.cpp $(FUZZ_OBJECTS)
	clang++ $(FUZZ_FLAGS) -MMD -MF $@.d $< $(FUZZ_OBJECTS) $$(pkg-config --libs Qt6Core) -o $@

.PHONY: fuzz-run
fuzz-run: $(FUZZ_BINARIES)
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus-$$t; \
	  echo "fuzz: running $$t for $(FUZZ_SECONDS) s"; \
	  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 $(FUZZ_BUILD)/$$t -max_total_time=$(FUZZ_SECONDS) \
	    -max_len=20000 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/findings-$$t- $(FUZZ_BUILD)/corpus-$$t tests/fuzz/corpus/$$t \
	    > $(FUZZ_BUILD)/$$t.log 2>&1; status=$$?; \
	  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)|ERROR|SUMMARY' $(FUZZ_BUILD)/$$t.log; \
	  if [ $$status -ne 0 ]; then echo "fuzz: $$t found a fault, see $(FUZZ_BUILD)/$$t.log"; tail -40 $(FUZZ_BUILD)/$$t.log; exit 1; fi; \
	done
