# SPDX-License-Identifier: GPL-2.0-or-later
# The two commands of the README: `make run` and `make test`.

BUILD   ?= build
JOBS    ?= 2
SCRATCH ?= scratch

.PHONY: run test deps configure build

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j $(JOBS) --timeout 300

run: build
	./scripts/run-demo.sh $(BUILD) $(SCRATCH)
