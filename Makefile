# A thin layer over CMake. `make run` builds and starts the viewer, `make test` runs every test:
# the layout check of every source file, the normal build, the same tests under AddressSanitizer and UndefinedBehaviorSanitizer, the
# window and thread tests in an unoptimised build three times over (a thread that outlives its
# owner shows there as a crash) and under ThreadSanitizer, and the two fuzzers (the file reader,
# and the save fed with the photograph to annotate) for FUZZ_SECONDS each on top of their
# committed corpora, within FUZZ_RSS_MB of memory. `make fuzz-long` runs both fuzzers side by side
# for FUZZ_LONG_SECONDS and adds what they found to the committed corpora, minimised.

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
FUZZ_LONG_SECONDS ?= 3600
FUZZ_RSS_MB ?= 300
export QT_QPA_PLATFORM ?= offscreen
SANITIZER_OPTIONS = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: build run test format-check format test-plain test-sanitize test-debug test-thread test-fuzz fuzzers fuzz-long bench \
	package clean

build:
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS)

run: build
	QT_QPA_PLATFORM= ./build/app/korvex

test: format-check test-plain test-sanitize test-debug test-thread test-fuzz

# Every C++ file of the project as .clang-format lays it out; `make format` rewrites them so.
SOURCES = git ls-files '*.cpp' '*.h'
format-check:
	$(SOURCES) | xargs clang-format --dry-run --Werror

format:
	$(SOURCES) | xargs clang-format -i

test-plain: build
	ctest --test-dir build --output-on-failure -j $(JOBS)

test-sanitize:
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKORVEX_SANITIZE=ON -DKORVEX_BENCH=OFF
	cmake --build build-sanitize -j $(JOBS)
	$(SANITIZER_OPTIONS) ctest --test-dir build-sanitize --output-on-failure -j $(JOBS)

THREAD_TESTS = tst_widget tst_blendscheduler tst_imageblendthread tst_parseimagethread \
	tst_imageregionthread tst_imagedrawlabel tst_imagesavethread tst_photographdocument tst_windowfit
THREAD_TEST_PATTERN = '^($(subst $(eval) ,|,$(THREAD_TESTS)))$$'

test-debug:
	cmake -S . -B build-debug -DCMAKE_BUILD_TYPE=Debug -DKORVEX_BENCH=OFF
	cmake --build build-debug -j $(JOBS) --target $(THREAD_TESTS)
	ctest --test-dir build-debug --output-on-failure -j $(JOBS) --repeat until-fail:3 \
		-R $(THREAD_TEST_PATTERN)

# Qt is not built with the sanitizer, and its QMutex and QSemaphore wait on futexes the sanitizer
# cannot see, so what Qt's own code copies, allocates and frees under them (posted events, the
# thread pool of its image scaling, a finished QThread's wait condition) would be reported as
# races. Those reports are left out; every access that this program's own code makes is checked.
THREAD_SANITIZER_OPTIONS = TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:ignore_noninstrumented_modules=1
test-thread:
	cmake -S . -B build-thread -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEX_THREAD_SANITIZE=ON \
		-DKORVEX_BENCH=OFF
	cmake --build build-thread -j $(JOBS) --target $(THREAD_TESTS)
	$(THREAD_SANITIZER_OPTIONS) ctest --test-dir build-thread --output-on-failure -j $(JOBS) \
		-R $(THREAD_TEST_PATTERN)

FUZZERS = fuzz_radiometricreader fuzz_imagesave
# libFuzzer counts the sanitizer's quarantine of freed blocks in the process's memory; at its
# default of 256 MB the quarantine alone would fill the bound that the fuzzed code is held to.
FUZZ_OPTIONS = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=64 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
FUZZ_FLAGS = -rss_limit_mb=$(FUZZ_RSS_MB) -timeout=10 -print_final_stats=1
# Each fuzzer grows its own committed corpus; the save starts from the reader's photographs too.
corpus_fuzz_radiometricreader = fuzz/corpus
corpus_fuzz_imagesave = fuzz/corpus-save fuzz/corpus
# $(call fuzz,fuzzer,seconds): new inputs go to build-fuzz/<fuzzer>, the committed ones are read.
fuzz = $(FUZZ_OPTIONS) ./build-fuzz/fuzz/$(1) -max_total_time=$(2) $(FUZZ_FLAGS) \
	build-fuzz/$(1) $(corpus_$(1))

fuzzers:
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEX_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target $(FUZZERS)
	rm -rf $(addprefix build-fuzz/,$(FUZZERS)) && mkdir -p $(addprefix build-fuzz/,$(FUZZERS))

test-fuzz: fuzzers
	$(call fuzz,fuzz_radiometricreader,$(FUZZ_SECONDS))
	$(call fuzz,fuzz_imagesave,$(FUZZ_SECONDS))

# Both fuzzers side by side, one a core, each logging to build-fuzz/<fuzzer>.log; then what they
# found that reaches new code is merged into the committed corpora, to be committed.
fuzz-long: fuzzers
	$(call fuzz,fuzz_radiometricreader,$(FUZZ_LONG_SECONDS)) \
		> build-fuzz/fuzz_radiometricreader.log 2>&1 & reader=$$!; \
	$(call fuzz,fuzz_imagesave,$(FUZZ_LONG_SECONDS)) \
		> build-fuzz/fuzz_imagesave.log 2>&1 & save=$$!; \
	wait $$reader; first=$$?; wait $$save; second=$$?; \
	grep -H -E 'number_of_executed_units|peak_rss_mb' build-fuzz/*.log; \
	[ $$first -eq 0 ] && [ $$second -eq 0 ]
	$(FUZZ_OPTIONS) ./build-fuzz/fuzz/fuzz_radiometricreader -merge=1 fuzz/corpus \
		build-fuzz/fuzz_radiometricreader
	$(FUZZ_OPTIONS) ./build-fuzz/fuzz/fuzz_imagesave -merge=1 fuzz/corpus-save \
		build-fuzz/fuzz_imagesave

BENCHMARKS = bench_parse bench_render bench_measure bench_save bench_objectparameters bench_pointer bench_report

bench: build
	for b in $(BENCHMARKS); do \
		./build/bench/$$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || exit 1; \
	done

# A Release build installed under /usr, packed into build-package/korvex_<version>_<arch>.deb.
package:
	cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
		-DKORVEX_BENCH=OFF
	cmake --build build-package -j $(JOBS)
	cd build-package && cpack -G DEB

clean:
	rm -rf build build-sanitize build-debug build-thread build-fuzz build-package
