# The two commands of the README, plus benchmarks and the Debian package. Each installs what is
# missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# CI turns compiler warnings into errors.
TORVANE_WERROR ?= OFF

.PHONY: all deps configure build run test test-quick test-sanitize fuzz bench package check-reproducible check-package \
	check-style clean

all: build

deps:
	@scripts/install-deps $(EXTRA_DEPS)

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DTORVANE_WERROR=$(TORVANE_WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/torvane

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) --timeout 300

# Everything but the slow and display tests, in under a minute.
test-quick: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) --timeout 300 -L quick

# clang-format over src, tests and bench; clang-tidy's naming check over src.
check-style: configure
	@scripts/check-style $(BUILD_DIR)

# The whole suite again under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer, in
# its own build folder. Test discovery runs the programs while building, so the options apply there.
SANITIZE_DIR ?= build-sanitize
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:strict_string_checks=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0

test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DTORVANE_SANITIZE=ON -DTORVANE_BENCH=OFF \
		-DTORVANE_WERROR=$(TORVANE_WERROR) >/dev/null
	@$(SANITIZE_ENV) cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS) --timeout 600

# libFuzzer on the records reader and the text-to-number rules, each bounded by time and runs,
# whichever ends first. New inputs go to the build folder; the seeds in tests/fuzz stay as they are.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_RUNS ?= 200000
FUZZ_FLAGS = -max_total_time=$(FUZZ_SECONDS) -runs=$(FUZZ_RUNS) -timeout=10 -rss_limit_mb=2048 -print_final_stats=1

fuzz: deps
	@cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 \
		-DTORVANE_FUZZ=ON -DTORVANE_TESTS=OFF -DTORVANE_BENCH=OFF >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_records fuzz_text_number
	@mkdir -p $(FUZZ_DIR)/corpus/records $(FUZZ_DIR)/corpus/text_number $(FUZZ_DIR)/crashes
	$(FUZZ_DIR)/tests/fuzz/fuzz_records $(FUZZ_FLAGS) -max_len=70000 -artifact_prefix=$(FUZZ_DIR)/crashes/ \
		$(FUZZ_DIR)/corpus/records tests/fuzz/corpus/records
	$(FUZZ_DIR)/tests/fuzz/fuzz_text_number $(FUZZ_FLAGS) -max_len=128 -dict=tests/fuzz/number.dict \
		-artifact_prefix=$(FUZZ_DIR)/crashes/ $(FUZZ_DIR)/corpus/text_number tests/fuzz/corpus/text_number

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

# The Debian source package and the binary one built from it with dpkg-buildpackage, in
# $(BUILD_DIR)/debian-package, then lintian and the layout test on them. The tools for that are
# installed only here, so `make test` on a fresh machine goes without them.
package:
	@scripts/build-package $(BUILD_DIR)

# The package built twice, from two fresh clones of HEAD, must come out the same bytes.
check-reproducible:
	scripts/check-reproducible

# The source package of HEAD built, rebuilt, linted, installed and played in fresh Debian systems.
check-package:
	scripts/check-package

clean:
	rm -rf $(BUILD_DIR)
