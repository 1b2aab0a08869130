# The two commands of the README:
#   make run   installs what is missing, builds, and opens Corvane
#   make test  installs what is missing, builds, and runs every test
# CI (CI=true) builds with warnings as errors.

PRESET ?= $(if $(CI),ci,release)
# Lets ccache reuse objects across clones of the repository.
export CCACHE_BASEDIR := $(CURDIR)
BUILD  := build/$(PRESET)
ARGS   ?=
# Without a drive, the built-in virtual drive: make run PORT=/dev/ttyUSB0 for a real one.
PORT   ?= virtual

.PHONY: all deps configure build run test screenshot sim clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake --preset $(PRESET)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build --preset $(PRESET)

run: build
	$(BUILD)/bin/corvane --port $(PORT) $(ARGS)

test: build
	ctest --preset $(PRESET) -j2

screenshot: build
	scripts/screenshot $(BUILD)

sim: build
	$(BUILD)/bin/corvane-drive-sim --profile $(or $(PROFILE),qdr-w) $(ARGS)

clean:
	rm -rf build
