#!/usr/bin/env bash
# Runs the built test suite again and again, to catch tests that fail only
# now and then. Stops at the first failure and says which repetition it was.
#   scripts/stress-tests.sh              20 repetitions of the whole suite
#   scripts/stress-tests.sh 5            5 repetitions
#   scripts/stress-tests.sh 20 load      with every core kept busy meanwhile
#   STRESS_CTEST_ARGS="-L widgets" scripts/stress-tests.sh 20   only some tests
# Expects a build in ./build (bash scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
REPEAT="${1:-20}"
LOAD="${2:-}"
BUILD="${STRESS_BUILD_DIR:-build}"
read -r -a EXTRA <<<"${STRESS_CTEST_ARGS:-}"

if [ ! -f "$BUILD/CTestTestfile.cmake" ]; then
  echo "stress-tests.sh: no build in $BUILD (run bash scripts/build.sh first)" >&2
  exit 1
fi
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software QTWEBENGINE_DISABLE_SANDBOX=1
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

LOADERS=()
stop_load() {
  for pid in "${LOADERS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
}
trap stop_load EXIT
if [ "$LOAD" = load ]; then
  for _ in $(seq "$(nproc)"); do
    (while :; do :; done) &
    LOADERS+=("$!")
  done
  echo "stress-tests.sh: ${#LOADERS[@]} busy loops running beside the tests"
fi

start=$SECONDS
for i in $(seq "$REPEAT"); do
  if ! ctest --test-dir "$BUILD" --output-on-failure --timeout 300 -j"$(nproc)" "${EXTRA[@]}" >"$BUILD/stress-last.log" 2>&1; then
    grep -E "Failed|\*\*\*|FAIL!" "$BUILD/stress-last.log" | head -40 || true
    echo "stress-tests.sh: repetition $i of $REPEAT failed (log: $BUILD/stress-last.log)" >&2
    exit 1
  fi
  echo "stress-tests.sh: repetition $i of $REPEAT passed ($((SECONDS - start)) s so far)"
done
echo "stress-tests.sh: $REPEAT of $REPEAT repetitions passed${LOAD:+ under load}"
