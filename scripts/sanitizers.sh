#!/usr/bin/env bash
# Every test under AddressSanitizer and UndefinedBehaviorSanitizer, or the
# map's tests (engine and window) under ThreadSanitizer, each in a build
# folder of its own. A finding fails the run. Warnings are not errors here:
# with the sanitizers' instrumentation GCC warns of values "maybe
# uninitialized" inside the standard library; the normal build keeps them
# errors.
#
#   scripts/sanitizers.sh address [BUILD_DIR]   # default build-asan
#   scripts/sanitizers.sh thread [BUILD_DIR]    # default build-tsan
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
kind="${1:-}"
export QT_QPA_PLATFORM=offscreen
case "$kind" in
  address)
    build="${2:-$root/build-asan}"
    # The manual and the icon are made by programs of the build, so the
    # options hold for the build as well as for the tests.
    # Full stacks (Qt is built without frame pointers) for the suppressions to match.
    export ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0:detect_stack_use_after_return=1
    export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    "$root/scripts/bootstrap.sh" "$build" -DVIRANO_SANITIZE=ON -DVIRANO_BENCH=OFF -DVIRANO_WERROR=OFF
    ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
    ;;
  thread)
    build="${2:-$root/build-tsan}"
    export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$root/scripts/tsan-suppressions.txt"
    "$root/scripts/bootstrap.sh" --packages-only
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIRANO_TSAN=ON \
      -DVIRANO_BENCH=OFF -DVIRANO_WERROR=OFF >/dev/null
    cmake --build "$build" -j"$(nproc)" --target engine_tests ui_tests
    ctest --test-dir "$build" --output-on-failure -j"$(nproc)" -R '^(RotMap|KartaTest|Asymmetry)\.'
    ;;
  *)
    echo "Användning: scripts/sanitizers.sh address|thread [BYGGMAPP]" >&2
    exit 2
    ;;
esac
