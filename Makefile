# SPDX-License-Identifier: GPL-3.0-or-later
# `make run` and `make test` are all a newcomer needs; both install what is missing first.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-asan
COVERAGE_DIR ?= build-coverage
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
# The users' world: a German desktop, whose C library writes numbers with a comma.
CTEST = LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

.PHONY: all deps configure build run test sanitize format format-check hooks coverage bench fuzz soak package screenshots clean

all: build

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMERKBOLD_WERROR=ON >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run-program $(BUILD_DIR)

# The sanitizer build: every test again under ASan and UBSan, plus the fuzz targets.
sanitize: deps
	@CC=clang CXX=clang++ cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DMERKBOLD_SANITIZE=ON -DMERKBOLD_WERROR=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)

FORMATTED = $(shell find src tests soak bench fuzz tools -name '*.cpp' -o -name '*.h')

format:
	@clang-format -i $(FORMATTED)

format-check: deps
	@clang-format --dry-run --Werror $(FORMATTED)

# Git then runs hooks/pre-commit, which refuses a commit that make format would change.
hooks:
	@git config core.hooksPath hooks
	@echo "hooks: git now runs hooks/pre-commit before every commit"

test: format-check build sanitize
	@cd $(BUILD_DIR) && $(CTEST)
	@cd $(SANITIZE_DIR) && $(CTEST)

# Line coverage of src/ over every test, from a clang build with source-based coverage.
coverage: deps
	@CC=clang CXX=clang++ cmake -S . -B $(COVERAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DMERKBOLD_COVERAGE=ON >/dev/null
	@cmake --build $(COVERAGE_DIR) -j $(JOBS)
	@bash scripts/coverage $(COVERAGE_DIR) $(JOBS)

bench: build
	@$(BUILD_DIR)/bench/merkbold_bench

fuzz: sanitize
	@for target in catalogue_reader spreadsheet_reader settings_reader numeric_value; do \
		echo "fuzz: $$target for $(FUZZ_SECONDS) s"; \
		mkdir -p $(SANITIZE_DIR)/fuzz/found/$$target; \
		$(SANITIZE_DIR)/fuzz/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			$(SANITIZE_DIR)/fuzz/found/$$target fuzz/corpus/$$target \
			|| exit 1; \
	done

# Random user actions on the real windows, a million unless MERKBOLD_SOAK_ACTIONS says otherwise
# (on the command line or in the environment); MERKBOLD_SOAK_SEED=<seed> replays a run.
MERKBOLD_SOAK_ACTIONS ?= 1000000
soak: build
	@QT_QPA_PLATFORM=offscreen MERKBOLD_SOAK_ACTIONS=$(MERKBOLD_SOAK_ACTIONS) $(BUILD_DIR)/soak/merkbold_soak

package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# The README's pictures, taken under Xvfb from the build; SCALE=2 checks a high-density screen.
screenshots: build
	@bash scripts/screenshots $(BUILD_DIR) $(or $(SCALE),1)

clean:
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(COVERAGE_DIR)
