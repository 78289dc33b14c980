#!/usr/bin/env bash
# Builds the program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ and runs the whole suite there.
# Slower than scripts/test.sh (about three times); run before a release.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --no-build
# -O1 with line tables only: the sanitizers' reports keep file and line, and
# the build takes half the time of an optimised build with full debug data.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_CXX_FLAGS="-O1 -g1 -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DVELLOMY_FUZZ_SECONDS=10
cmake --build build-asan --parallel "$(nproc)"
# Chromium's own allocations outlive the tests on purpose: leaks are not
# checked. Qt WebEngine's Chromium frees some of its objects through a base
# class of another size (seen in every test with a web view, never in our
# code): that one check is off, every other report ends the test.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:halt_on_error=1:new_delete_type_mismatch=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-asan
ctest --output-on-failure -j"$(nproc)" "$@"
