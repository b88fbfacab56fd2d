# The two entry points: `make run` builds and starts the viewer, `make test`
# builds and runs the whole test suite. Both first install what a fresh
# Debian 12 machine lacks. Extra CMake options: make test CMAKE_ARGS="-D..."

CMAKE_ARGS ?=
# make test SANITIZE=1: the same suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer, in a build folder of its own.
ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-sanitize
override CMAKE_ARGS += -DTAGOVNIK_SANITIZE=ON
else
BUILD_DIR ?= build
endif

# Build tools and Qt 6, plus what the headless test run and the desktop file check need,
# and Python with tidy for the search index and the checks of the reference pages.
PACKAGES := cmake ninja-build g++ make pkg-config \
	qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-webengine-dev qt6-svg-dev qt6-qpa-plugins \
	libgl-dev libgl1-mesa-dri fonts-wine \
	xvfb xauth xdotool desktop-file-utils \
	python3 tidy

SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: run test build configure deps clean

run: build
	./$(BUILD_DIR)/tagovnik

test: build
	cd $(BUILD_DIR) && xvfb-run -a -s "-screen 0 1600x1000x24" \
		ctest --output-on-failure --no-tests=error

build: configure
	cmake --build $(BUILD_DIR)

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_ARGS)

deps:
	@missing=$$(for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
		echo "Installing: $$missing"; \
		$(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

clean:
	rm -rf $(BUILD_DIR)
