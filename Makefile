# A thin layer over CMake. `make run` builds and starts the viewer, `make test` runs every test:
# the normal build, the same tests under AddressSanitizer and UndefinedBehaviorSanitizer, the
# window and thread tests in an unoptimised build three times over (a thread that outlives its
# owner shows there as a crash), and the file-parser fuzzer for FUZZ_SECONDS on top of its
# committed corpus.

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
export QT_QPA_PLATFORM ?= offscreen
SANITIZER_OPTIONS = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: build run test test-plain test-sanitize test-debug test-fuzz bench package clean

build:
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS)

run: build
	QT_QPA_PLATFORM= ./build/app/korvex

test: test-plain test-sanitize test-debug test-fuzz

test-plain: build
	ctest --test-dir build --output-on-failure -j $(JOBS)

test-sanitize:
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKORVEX_SANITIZE=ON -DKORVEX_BENCH=OFF
	cmake --build build-sanitize -j $(JOBS)
	$(SANITIZER_OPTIONS) ctest --test-dir build-sanitize --output-on-failure -j $(JOBS)

THREAD_TESTS = tst_widget tst_blendscheduler tst_imageblendthread tst_parseimagethread \
	tst_imageregionthread tst_imagedrawlabel tst_imagesavethread

test-debug:
	cmake -S . -B build-debug -DCMAKE_BUILD_TYPE=Debug -DKORVEX_BENCH=OFF
	cmake --build build-debug -j $(JOBS) --target $(THREAD_TESTS)
	ctest --test-dir build-debug --output-on-failure -j $(JOBS) --repeat until-fail:3 \
		-R '^($(subst $(eval) ,|,$(THREAD_TESTS)))$$'

test-fuzz:
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEX_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzz_radiometricreader
	rm -rf build-fuzz/corpus && mkdir -p build-fuzz/corpus
	$(SANITIZER_OPTIONS) ./build-fuzz/fuzz/fuzz_radiometricreader -max_total_time=$(FUZZ_SECONDS) \
		-rss_limit_mb=2048 -timeout=10 -print_final_stats=1 build-fuzz/corpus fuzz/corpus

BENCHMARKS = bench_parse bench_render bench_measure bench_save bench_pointer bench_report

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
	rm -rf build build-sanitize build-debug build-fuzz build-package
