# Front door: `make run` and `make test` on a fresh Debian machine.
BUILD ?= build
SAN_BUILD ?= build-sanitize
JOBS ?= $(shell nproc 2>/dev/null || echo 4)
PACKAGES = cmake g++ make libgtest-dev libgmock-dev

.PHONY: all deps build run test test-sanitize bench clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then apt-get update -qq && apt-get install -y -qq $$missing; \
	  else sudo apt-get update -qq && sudo apt-get install -y -qq $$missing; fi; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@mkdir -p $(BUILD)/samples
	@$(BUILD)/engine/QlEngl samples/bridge.dat $(BUILD)/samples/bridge.lis; \
	  status=$$?; \
	  echo "QlEngl exit status $$status; listing written to $(BUILD)/samples/bridge.lis"; \
	  test $$status -eq 0

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(SAN_BUILD) -DQUILLON_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)

# The engine on long generated decks beside cat, and the Fw.d writer's two
# roads on ten million values (not part of test or CI).
bench: build
	cmake --build $(BUILD) --target quillon_bench -j $(JOBS)
	$(BUILD)/bench/quillon_bench $(BUILD) bench/make-bench-deck.sh

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
