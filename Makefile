# The two commands a newcomer needs. Both install what is missing first.
.PHONY: run test package windows test-windows

FUZZ_SECONDS ?= 30

run:
	@bash tools/setup.sh run
	cmake --preset release
	cmake --build --preset release
	./build/release/app/lumor

test:
	@bash tools/setup.sh test
	cmake --preset test
	cmake --build --preset test
	cmake --preset fuzz
	cmake --build --preset fuzz
	bash tools/run_fuzzers.sh build/fuzz $(FUZZ_SECONDS)
	ctest --preset test
	bash tests/package/check_package.sh

# The Debian package, build/package/lumor_<version>_amd64.deb.
package:
	@bash tools/package.sh

# The Windows installer, cross-built here. The first run on a machine builds
# the Qt SDK for Windows, which takes 30 to 55 minutes.
windows:
	@bash tools/windows/build.sh installer

# The Windows programs' tests, run under Wine.
test-windows:
	@bash tools/windows/build.sh all installer
	bash tools/windows/run-tests.sh
