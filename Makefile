BUILD ?= build
JOBS ?= 2

.PHONY: deps configure build run test package clean

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/quillmere

test: build
	./tests/support/run-tests.sh $(BUILD)

# The Debian package, in $(BUILD); scripts/check-package.sh checks it with lintian.
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD)
