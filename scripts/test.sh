#!/usr/bin/env bash
# Checks the formatting, builds the game and its tests with AddressSanitizer
# and UndefinedBehaviorSanitizer (warnings are errors) and runs every test.
# Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUORVEL_TEST_BUILD:-$root/build/test}"

bash "$root/scripts/setup.sh"

# Every source as .clang-format lays it out (clang-format 14: other versions lay out differently).
find "$root/src" "$root/tests" "$root/tools" "$root/bench" -name '*.cpp' -o -name '*.h' |
  sort | xargs clang-format-14 --dry-run --Werror

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_SANITIZE=ON -DQUORVEL_WERROR=ON
cmake --build "$build"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build"
ctest --output-on-failure -j "$(nproc)"
