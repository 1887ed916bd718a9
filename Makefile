# The two set-up commands: `make run` and `make test`. Each installs what is missing, configures
# and builds into build/, then runs.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test screenshots bench clean

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

# Pictures of the start, query and count report windows on the sample set, into
# $(BUILD)/screenshots/ (drawn under Xvfb).
screenshots: build
	@scripts/screenshots $(BUILD)

clean:
	rm -rf $(BUILD)
