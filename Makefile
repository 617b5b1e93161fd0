# Short forms of the project's commands; see README.md.
TREES := native win64 win32
ALL_TREES := $(TREES) native-asan

.PHONY: all deps build build-all test demo clean $(addprefix tree-,$(ALL_TREES))

all: build

deps:
	@scripts/install-deps

$(addprefix tree-,$(ALL_TREES)): tree-%: deps
	@test -f build/$*/build.ninja || cmake --preset $* >/dev/null
	@cmake --build --preset $*

build: $(addprefix tree-,$(TREES))

test: $(addprefix tree-,$(ALL_TREES))
	@scripts/run-tests $(ALL_TREES)

demo: build
	@scripts/demo

clean:
	rm -rf build dist out
