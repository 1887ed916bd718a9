# The two set-up commands: `make run` and `make test`. Each installs what is missing, configures
# and builds into build/, then runs.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test screenshots bench bench-smoke clean test-asan fuzz \
	package check-package windows windows-test windows-package

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-demo $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Debian package $(BUILD)/kv884_<version>_amd64.deb (CPack), and its checks: lintian, the
# desktop entry, the AppStream entry, and the installed programs run from the unpacked package.
package:
	@scripts/install-deps --package
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@cd $(BUILD) && cpack -G DEB

check-package:
	@scripts/check-package $(BUILD)

# Pictures of the start, query and count report windows on the sample set, into
# $(BUILD)/screenshots/ (drawn under Xvfb).
screenshots: build
	@scripts/screenshots $(BUILD)

# The benchmarks on made-up data sets of 10,000 to 999,999 holders (built into
# $(BUILD)/bench-data/ when missing), beside SQLite and a plain scan; the tables go to
# $(BUILD)/bench-results/tables.md. kv884-bench is always compiled with -O2; the libraries take
# the build type, which run-bench requires to be an optimised one.
bench:
	@scripts/install-deps --bench
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DKV884_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target kv884-mkset kv884-query kv884-bench kv884-batch-bench \
	  kv884-slow-medium kv884-xlsx-floor
	@scripts/run-bench $(BUILD)

# The benchmarks built and each run once on a fixture, so they cannot rot unseen.
bench-smoke:
	@scripts/install-deps --bench
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DKV884_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target kv884-bench kv884-batch-bench kv884-query \
	  kv884-slow-medium kv884-xlsx-floor
	@cd $(BUILD) && ctest --output-on-failure \
	  -R '^(bench_smoke|batch_bench_smoke|xlsx_floor_smoke|slow_medium_smoke)$$'

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan/.
ASAN_BUILD ?= build-asan
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DKV884_SANITIZE=ON -DKV884_GUI=OFF -DKV884_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# The libFuzzer targets of fuzz/ (clang), run FUZZ_SECONDS seconds in all, in build-fuzz/
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= query_window_fuzz mkset_csv_fuzz key_lines_fuzz
fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DKV884_FUZZ=ON -DKV884_GUI=OFF \
	  -DKV884_BENCH=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)
	@fuzz/run-targets $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# The Windows programs kv884-query.exe, kv884-check.exe and kv884-mkset.exe (64-bit, no DLL
# beyond Windows' own), cross-built with MinGW-w64 into build-win/. ICU, libxlsxwriter and
# GoogleTest are built for the target from Debian's source packages first, once for each of
# their versions (build-win/deps/); the build runs programs for the target under Wine.
WIN_BUILD ?= build-win
windows:
	@scripts/install-deps --windows
	@scripts/build-windows-deps $(WIN_BUILD)/deps $(JOBS)
	@scripts/windows-wine-prefix $(WIN_BUILD)
	@cmake -S . -B $(WIN_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DKV884_WINDOWS_DEPS=$(abspath $(WIN_BUILD)/deps) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(WIN_BUILD) -j $(JOBS)

# The unit and in-process suites of the Windows build, run under Wine, with the share and the
# drive that windows-wine-prefix maps onto the fixtures, on a virtual display for the windows.
# One wine session serves the whole run: a server that shuts down as a test ends would refuse the
# next test's start now and then on a loaded machine. Its services start before the tests, away
# from their output, which ctest would otherwise wait on for as long as they live.
windows-test: windows
	@cd $(WIN_BUILD) && KV884_TEST_SHARE='\\kv884\fixtures' KV884_TEST_DRIVE=K: \
	  WINEPREFIX=$$PWD/wineprefix WINEDEBUG=-all xvfb-run -a -s '-screen 0 1280x1024x24' sh -c \
	  'wineserver -p && wine cmd /c exit >/dev/null 2>&1 </dev/null; \
	   ctest --output-on-failure -j $(JOBS); status=$$?; wineserver -k; exit $$status'

# The portable zip $(WIN_BUILD)/kv884-<version>-win64.zip and the installer
# kv884-<version>-setup.exe (CPack: ZIP and NSIS), then the installer installed silently under
# Wine, its kv884-query.exe run on its sample set, and uninstalled without a trace.
windows-package: windows
	@cd $(WIN_BUILD) && cpack >/dev/null
	@scripts/windows-install-test $(WIN_BUILD) \
	  $$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $(WIN_BUILD)/CMakeCache.txt)

clean:
	rm -rf $(BUILD)
