BUILD ?= build
JOBS ?= 2

.PHONY: deps configure build run test clean

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/app/quillmere ]; then $(BUILD)/app/quillmere; \
	else echo "The core library is built; the application does not exist yet."; fi

test: build
	./tests/support/run-tests.sh $(BUILD)

clean:
	rm -rf $(BUILD)
