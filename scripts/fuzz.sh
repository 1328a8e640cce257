#!/usr/bin/env bash
# Builds the libFuzzer programs with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on every game library) and runs every fuzz
# target for SECONDS, PARALLEL at a time, starting from its corpus in
# fuzz/corpus/. Prints the runs each target made.
#
#   scripts/fuzz.sh [SECONDS] [PARALLEL] [TARGET...]     (defaults: 600, 2, all)
#
# With MERGE=1 the inputs that found new code are merged back into the
# corpus folders (keep them: the quick pass of the tests starts from them).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
parallel=${2:-2}
shift $(( $# > 2 ? 2 : $# ))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_profile_game fuzz_last_profile fuzz_seen_tips fuzz_high_scores
                                     fuzz_location fuzz_pack fuzz_png fuzz_wav fuzz_ogg)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DTESMORIA_FUZZ=ON -DTESMORIA_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j 2 --target "${targets[@]}"

work=$(mktemp -d /tmp/tesmoria-fuzz-XXXXXX)
trap 'rm -rf "$work"' EXIT
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

run() {
  local t=$1
  mkdir -p "$work/$t"
  cp -r "fuzz/corpus/$t/." "$work/$t/" 2>/dev/null || true
  (cd "$work" && "$OLDPWD/build-fuzz/fuzz/$t" -max_total_time="$seconds" -print_final_stats=1 \
     -rss_limit_mb=2048 -timeout=20 "$work/$t" >"$work/$t.log" 2>&1) || true
  local runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$t.log")
  if grep -q -e 'ERROR: ' -e 'runtime error' "$work/$t.log"; then
    echo "$t: FAILED after ${runs:-?} runs"; grep -m5 -e 'ERROR' -e 'runtime error' -e 'Test unit written' "$work/$t.log"
    mkdir -p build-fuzz/findings
    cp "$work"/crash-* "$work"/leak-* "$work"/timeout-* build-fuzz/findings/ 2>/dev/null || true
  else
    echo "$t: ${runs:-?} runs in $seconds s, corpus $(ls "$work/$t" | wc -l) inputs"
  fi
  if [ "${MERGE:-0}" = 1 ]; then
    "build-fuzz/fuzz/$t" -merge=1 "fuzz/corpus/$t" "$work/$t" >/dev/null 2>&1 || true
  fi
}

for t in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do sleep 1; done
  run "$t" &
done
wait
