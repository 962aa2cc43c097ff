#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and UBSan) and runs each
# one in turn over its seeds and kept regression inputs.
#   scripts/fuzz.sh            60 seconds per target (what CI runs)
#   scripts/fuzz.sh 0 1000000  a fixed number of inputs per target instead
#   FUZZ_TARGETS="fuzz_statefile" scripts/fuzz.sh ...   only some targets
# A finding stops the run with libFuzzer's report; the input is kept in
# build-fuzz/findings/ (copy it into the target's regression folder).
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_PER_TARGET="${1:-60}"
RUNS="${2:-}"
read -r -a TARGETS <<<"${FUZZ_TARGETS:-fuzz_chartfile fuzz_layoutfile fuzz_textstore fuzz_personfile fuzz_statefile fuzz_batchlines}"

if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ is missing (scripts/deps.sh installs it)" >&2
  exit 1
fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQZ_FUZZ=ON -DQZ_SANITIZE=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${TARGETS[@]}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:allocator_may_return_null=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
mkdir -p build-fuzz/findings
for t in "${TARGETS[@]}"; do
  name="${t#fuzz_}"
  work="build-fuzz/corpus/$name"
  mkdir -p "$work"
  inputs=("$work")
  for d in "tests/fuzz/seeds/$name" "tests/fuzz/regressions/$name"; do
    if [ -d "$d" ]; then inputs+=("$d"); fi
  done
  if [ "$name" = chartfile ]; then inputs+=(tests/data/charts tests/data/charts/regressions); fi
  if [ "$name" = layoutfile ]; then inputs+=(tests/data/layouts); fi
  limit=(-max_total_time="$SECONDS_PER_TARGET")
  if [ -n "$RUNS" ]; then limit=(-runs="$RUNS"); fi
  echo "== $t ${limit[*]}"
  # -timeout: an input taking over 25 s is a finding (a hang);
  # -rss_limit_mb: so is a memory blow-up.
  set +e
  build-fuzz/bin/"$t" "${limit[@]}" -timeout=25 -rss_limit_mb=2560 -max_len=300000 \
    -artifact_prefix=build-fuzz/findings/"$name"- -print_final_stats=1 "${inputs[@]}" \
    >"build-fuzz/$name.log" 2>&1
  status=$?
  set -e
  grep -E '^(#[0-9]+ *(INITED|DONE)|stat::number_of_executed_units|Done [0-9]+ runs)' \
    "build-fuzz/$name.log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 60 "build-fuzz/$name.log" >&2
    exit "$status"
  fi
done
