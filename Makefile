# make run: install what is missing, build, open the sample program in the host.
# make test: install what is missing, build, run every test.
# make fuzz: install clang, build the fuzz targets, run each FUZZ_SECONDS.
BUILD   ?= build
JOBS    ?= 2
PACKAGES = cmake g++ make python3 libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev libqt6test6 nlohmann-json3-dev neovim
SAMPLE   = examples/stockroom.apt
FUZZ_BUILD    ?= build-fuzz
FUZZ_SECONDS  ?= 60
FUZZ_TARGETS  ?= outline scanner parser
FUZZ_MAX_LEN  ?= 16384
FUZZ_PACKAGES  = cmake make python3 clang libclang-rt-14-dev

.PHONY: all deps build test run bench clean fuzz-deps fuzz

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else echo "missing packages:$$missing (run as root to install)"; exit 1; fi; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j$(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# Without a display the host runs offscreen and leaves a picture instead.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(BUILD)/bin/zavora $(SAMPLE); \
	else \
	  echo "No display: here is zavora-xref on the sample, and the host's window offscreen in $(BUILD)/stockroom.png"; \
	  $(BUILD)/bin/zavora-xref parse $(SAMPLE) && \
	  $(BUILD)/bin/zavora-xref callees $(SAMPLE) BookMove --depth 2 && \
	  QT_QPA_PLATFORM=offscreen $(BUILD)/bin/zavora $(SAMPLE) --show BookMove --screenshot $(BUILD)/stockroom.png; \
	fi

bench: build
	$(BUILD)/bin/zavora-bench

# Only the fuzz targets need clang, so make test does not.
fuzz-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(FUZZ_PACKAGES)"

# One fuzzer at a time; what crashes or hangs lands in $(FUZZ_BUILD)/findings.
fuzz: fuzz-deps
	cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) -j$(JOBS)
	python3 fuzz/make_seeds.py $(FUZZ_BUILD)/seeds
	@status=0; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t $(FUZZ_BUILD)/findings; \
	  echo "== fuzz_$$t, $(FUZZ_SECONDS) s"; \
	  $(FUZZ_BUILD)/fuzz_$$t $(FUZZ_BUILD)/corpus/$$t $(FUZZ_BUILD)/seeds/$$t \
	    -dict=fuzz/sal.dict -max_total_time=$(FUZZ_SECONDS) -max_len=$(FUZZ_MAX_LEN) \
	    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/findings/$$t- || status=1; \
	done; \
	if [ $$status != 0 ]; then echo "findings in $(FUZZ_BUILD)/findings: fix, then copy each to tests/fixtures/fuzz/TARGET/"; fi; \
	exit $$status

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
