#!/usr/bin/env bash
# Side-by-side batch speed against an npm numerology package ("the peer") that
# computes five numbers per person: life path, expression, heart's desire,
# personality and birthday number.
#
#   bench/peer-batch.sh PEER_DIR [QZNUM_CLI] [ROUNDS]
#
# PEER_DIR holds node_modules/numerology-core (install it outside the
# repository: mkdir /tmp/peer && cd /tmp/peer && npm install numerology-core).
# The script writes the same 100,000 persons repeated ten times as CSV, a small
# Node driver for the peer (worker threads for the all-core figure), and runs
# the peer and qznum-cli in turn on that input, ROUNDS times (default 3), every
# output going through a pipe. It prints persons per second and the ratios.
# The one-core figures pin both programs to one core (taskset); the engine's
# own figure is bench_engine's BM_FullProfilePersons (beside qznum-cli) over
# the same file.
set -euo pipefail

peer=${1:?usage: bench/peer-batch.sh PEER_DIR [QZNUM_CLI] [ROUNDS]}
peer=$(cd "$peer" && pwd)
cli=${2:-$(dirname "$0")/../build/bin/qznum-cli}
rounds=${3:-3}
cores=$(nproc)
[ -d "$peer/node_modules/numerology-core" ] || { echo "no node_modules/numerology-core in $peer" >&2; exit 2; }
[ -x "$cli" ] || { echo "no qznum-cli at $cli (build it first)" >&2; exit 2; }
bench=$(dirname "$cli")/bench_engine
[ -x "$bench" ] || { echo "no bench_engine beside $cli (build it first)" >&2; exit 2; }
one="taskset -c 0"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# 100,000 persons (names from 40 x 50 x 50 parts, dates across 1900-2019),
# then the same block ten times.
awk 'BEGIN {
  split("James Mary Robert Patricia John Jennifer Michael Linda David Elizabeth William Barbara Richard Susan Joseph Jessica Thomas Sarah Charles Karen Christopher Lisa Daniel Nancy Matthew Betty Anthony Sandra Mark Margaret Donald Ashley Steven Kimberly Andrew Emily Paul Donna Joshua Michelle", f, " ")
  split("Ann Lee Ray May Jo Kim Lou Sue Dee Max Eve Ian Amy Ben Zoe Tom Ada Gus Ivy Ned Ora Pat Quin Rex Sam Tia Uma Val Wes Xan Yul Zed Abe Bea Cy Di Ed Fay Gil Hal Ike Jan Kay Lyn Mo Nan Oz Pia Roy Sol", m, " ")
  split("Smith Johnson Williams Brown Jones Garcia Miller Davis Rodriguez Martinez Hernandez Lopez Gonzalez Wilson Anderson Thomas Taylor Moore Jackson Martin Lee Perez Thompson White Harris Sanchez Clark Ramirez Lewis Robinson Walker Young Allen King Wright Scott Torres Nguyen Hill Flores Green Adams Nelson Baker Hall Rivera Campbell Mitchell Carter Roberts", l, " ")
  for (i = 0; i < 100000; i++) {
    printf "%s %s %s,,%04d-%02d-%02d\n", f[i % 40 + 1], m[int(i / 40) % 50 + 1], l[int(i / 2000) % 50 + 1], 1900 + (i * 7) % 120, 1 + (i * 5) % 12, 1 + (i * 11) % 28
  }
}' > "$work/block.csv"
for i in 1 2 3 4 5 6 7 8 9 10; do cat "$work/block.csv"; done > "$work/persons.csv"
persons=$(wc -l < "$work/persons.csv")

# The peer's driver: reads the CSV, computes the five numbers per row and
# writes CSV or JSON lines, split over worker threads in input order.
cat > "$work/peer-driver.js" <<'JS'
const { Worker, isMainThread, parentPort, workerData } = require('worker_threads');
const fs = require('fs');
const path = require('path');
function run(lines, format, peerDir) {
  const module = require(path.join(peerDir, 'node_modules', 'numerology-core'));
  const Numerology = module.default || module;
  const n = new Numerology();
  const out = [];
  for (const line of lines) {
    if (!line) continue;
    const [full, , birth] = line.split(',');
    const day = String(Number(birth.slice(8, 10)));
    const v = [n.getBirthForceNumber(birth), n.getDestinyNumber(full), n.getHeartsDesireNumber(full),
               n.getPersonalityNumber(full), n.getDestinyNumber(day)];
    out.push(format === 'json'
      ? JSON.stringify({ fullName: full, lifePath: v[0], expression: v[1], heartDesire: v[2], personality: v[3], birthdayNumber: v[4] })
      : '"' + full.replace(/"/g, '""') + '",' + v.join(','));
  }
  return out.join('\n') + '\n';
}
if (isMainThread) {
  const [file, format, threads, peerDir] = process.argv.slice(2);
  const lines = fs.readFileSync(file, 'utf8').split('\n');
  const parts = Number(threads);
  const size = Math.ceil(lines.length / parts);
  const results = new Array(parts);
  let pending = parts;
  if (format !== 'json') process.stdout.write('fullName,lifePath,expression,heartDesire,personality,birthdayNumber\n');
  for (let i = 0; i < parts; ++i) {
    const w = new Worker(__filename, { workerData: { lines: lines.slice(i * size, (i + 1) * size), format, peerDir } });
    w.on('message', (text) => {
      results[i] = text;
      if (--pending === 0) for (const r of results) process.stdout.write(r);
    });
  }
} else {
  parentPort.postMessage(run(workerData.lines, workerData.format, workerData.peerDir));
}
JS

# Wall seconds of one command into $secs and its CPU seconds (user + system,
# all threads) into $cpu; its output is counted through a pipe.
timed() {
  local TIMEFORMAT='%R %U %S' t
  t=$( { time "$@" | wc -c > "$work/bytes"; } 2>&1 )
  [ "$(cat "$work/bytes")" -gt "$persons" ] || { echo "too little output from: $*" >&2; exit 1; }
  read -r secs user sys <<< "$t"
  cpu=$(echo "$user + $sys" | bc -l)
}
rate() { echo "$persons / $1" | bc -l | xargs printf '%.0f'; }
ratio() { echo "$1 / $2" | bc -l | xargs printf '%.2f'; }

row() {
  printf '%-44s %12s %12s %7s %12s %12s %7s\n' "$1" "$(rate "$p")" "$(rate "$q")" "$(ratio "$p" "$q")" \
    "$(rate "$pc")" "$(rate "$qc")" "$(ratio "$pc" "$qc")"
}

five=fullNameUpper,lifePath,expression,heartDesire,personality,birthdayNumber
echo "persons: $persons, cores: $cores, $(node --version), peer numerology-core $(node -p "require('$peer/node_modules/numerology-core/package.json').version")"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "persons per second of wall time, and (in brackets) per second of CPU time of all threads"
printf '%-44s %12s %12s %7s %12s %12s %7s\n' "figure (round)" "peer" "qznum" "ratio" "[peer" "qznum" "ratio]"
# Every member of the profile: a text field makes the engine write its texts,
# planeNumbers its planes and transits.
full="$five,planeNumbers,lifePathText"
for round in $(seq 1 "$rounds"); do
  timed node "$work/peer-driver.js" "$work/persons.csv" csv "$cores" "$peer"
  p=$secs pc=$cpu
  timed "$cli" batch --target 2024-06-01 --format csv --fields "$five" < "$work/persons.csv"
  q=$secs qc=$cpu
  row "CSV, five numbers, all cores ($round)"
  timed $one node "$work/peer-driver.js" "$work/persons.csv" csv 1 "$peer"
  p=$secs pc=$cpu
  # The engine alone: full profiles of the same persons, then with the psychomatrix.
  for m in 0 1; do
    rate=$(QZ_BENCH_PERSONS="$work/persons.csv" $one "$bench" --benchmark_filter="BM_FullProfilePersons/$m/" \
             --benchmark_format=csv 2>/dev/null | awk -F, '/BM_FullProfilePersons/ { print $(NF-3) }')
    q=$(echo "$persons / $rate" | bc -l) qc=$q
    if [ "$m" = 0 ]; then row "full profile, one core, engine ($round)"; else row "  the same with the psychomatrix ($round)"; fi
  done
  timed $one "$cli" batch --target 2024-06-01 --threads 1 --format csv --fields "$full" < "$work/persons.csv"
  q=$secs qc=$cpu
  row "  the full profile through batch ($round)"
  timed $one "$cli" batch --target 2024-06-01 --threads 1 --format csv --fields "$full,matrix" < "$work/persons.csv"
  q=$secs qc=$cpu
  row "  through batch with the psychomatrix ($round)"
  timed node "$work/peer-driver.js" "$work/persons.csv" json "$cores" "$peer"
  p=$secs pc=$cpu
  timed "$cli" batch --target 2024-06-01 --fields "$five" < "$work/persons.csv"
  q=$secs qc=$cpu
  row "JSON lines, five numbers, all cores ($round)"
  timed "$cli" batch --target 2024-06-01 < "$work/persons.csv"
  q=$secs qc=$cpu
  row "  JSON lines, whole profile ($round)"
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
