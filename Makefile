# make run: install what is missing, build, open the sample program in the host.
# make test: install what is missing, build, run every test.
BUILD   ?= build
JOBS    ?= 2
PACKAGES = cmake g++ make python3 libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev
SAMPLE   = examples/stockroom.apt

.PHONY: all deps build test run bench clean

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

clean:
	rm -rf $(BUILD)
