#!/usr/bin/env bash
# Builds a fuzz target with clang's libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/ and runs it for SECONDS on one
# core, starting from its seeds in fuzz/corpus/TARGET. A crash, a leak, a
# hang or an error that is not the program's own is a finding: the input is
# kept in build-fuzz/findings/TARGET/ and the script fails.
#
#   scripts/fuzz.sh TARGET SECONDS [libFuzzer options...]
#   scripts/fuzz.sh all SECONDS        # every target, one after another
#
# Targets: room, project, json-import, json-roundtrip, user-file, error-file.
# A finding becomes a regression input: copy it into fuzz/corpus/TARGET/
# (named after what it found) and the normal build's test runs it from then on.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
targets=(room project json-import json-roundtrip user-file error-file)
if [ $# -lt 2 ]; then
  echo "Användning: scripts/fuzz.sh MÅL SEKUNDER [libFuzzer-val...]; mål: ${targets[*]} all" >&2
  exit 2
fi
target="$1" seconds="$2"; shift 2
build="${VIRANO_FUZZ_BUILD:-$root/build-fuzz}"

"$root/scripts/bootstrap.sh" --packages-only clang libclang-rt-14-dev
if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVIRANO_FUZZ=ON -DBUILD_TESTING=OFF -DVIRANO_BENCH=OFF ${CI:+-DVIRANO_WERROR=ON} >/dev/null
fi

run() {
  local name="$1" program="fuzz_${1//-/_}"
  shift
  cmake --build "$build" --target "$program" -j"$(nproc)" >/dev/null
  local work="$build/corpus/$name" findings="$build/findings/$name"
  mkdir -p "$work" "$findings"
  local log="$build/fuzz-$name.log" status=0 limits=()
  # A project of two records is enough to meet every part of the round trip.
  [ "$name" = json-roundtrip ] && limits=(-max_len=40000)
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$build/bin/$program" "$work" "$root/fuzz/corpus/$name" -dict="$root/fuzz/numbers.dict" \
    -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
    -artifact_prefix="$findings/" "${limits[@]}" "$@" >"$log" 2>&1 || status=$?
  local runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  echo "$name: ${runs:-?} körningar, $(ls "$findings" | wc -l) fynd"
  if [ "$status" -ne 0 ]; then
    grep -E -A 30 '^==[0-9]+==|runtime error|Broken:|deadly signal|ERROR: libFuzzer' "$log" | head -n 60 >&2
    echo "$name: fynd, se $log och $findings/" >&2
    return 1
  fi
}

if [ "$target" = all ]; then
  failed=0
  for t in "${targets[@]}"; do run "$t" "$@" || failed=1; done
  exit "$failed"
fi
case " ${targets[*]} " in
  *" $target "*) run "$target" "$@" ;;
  *) echo "Okänt mål: $target; mål: ${targets[*]} all" >&2; exit 2 ;;
esac
