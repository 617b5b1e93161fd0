# Short forms of the project's commands; see README.md.
TREES := native win64 win32
ALL_TREES := $(TREES) native-asan

.PHONY: all deps build test demo fuzz clean $(addprefix tree-,$(ALL_TREES))

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

# make fuzz [FUZZ_SECONDS=60]: every libFuzzer harness for that long (clang, ASan + UBSan).
FUZZ_SECONDS ?= 60
fuzz: deps
	@test -f build/fuzz/build.ninja || cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@scripts/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build dist out
