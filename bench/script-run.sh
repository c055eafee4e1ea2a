#!/bin/bash
# `kurvix --run` over many plain files of 10000 points, each opened, its
# ranges set, smoothed, derived, saved and exported; beside it one
# `kurvix --export` process per file doing the export alone (of the files the
# run saved, whose ranges are set). Prints whole-process time, CPU time per
# file and wall time per file, and the load average seen, for each of REPEAT
# rounds. Not a test: the figures depend on the machine and what else runs.
#
#   bench/script-run.sh [KURVIX] (defaults: build/kurvix; FILES=200 REPEAT=3 JOBS=;
#   ONLY_RUN=1 leaves the --export processes out)
set -eu

kurvix=$(realpath "${1:-build/kurvix}")
files=${FILES:-200}
repeat=${REPEAT:-3}
jobs=${JOBS:+--jobs $JOBS}
work=$(mktemp -d "${TMPDIR:-/tmp}/kurvix-script-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

mkdir data out alone
# X from 0 to 99.99 in steps of 0.01, Y a sine with a small ripple per file.
awk -v files="$files" 'BEGIN {
    for (f = 1; f <= files; ++f) {
        name = sprintf("data/m%03d.txt", f)
        for (i = 0; i < 10000; ++i) {
            x = i * 0.01
            printf "%.2f %.6f\n", x, sin(x) + 0.02 * sin(f * x) > name
        }
        close(name)
    }
}'
cat > script.txt <<'EOF'
open $FILE
xfrom 0
xto 100
yfrom -2
yto 2
smooth
derivative
save out/$NAME.kwt
export out/$NAME.png
EOF

TIMEFORMAT='%R %U %S'
# Prints: label, wall seconds, CPU seconds (user + system), CPU ms per file,
# wall ms per file.
report() {
    awk -v label="$1" -v n="$files" '{ cpu = $2 + $3;
        printf "%-36s wall %6.3f s  cpu %6.3f s (%.3f + %.3f)  cpu/file %6.2f ms  wall/file %6.2f ms\n",
               label, $1, cpu, $2, $3, 1000 * cpu / n, 1000 * $1 / n }' "$2"
}

echo "$files files of 10000 points, $(nproc) cores; load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for round in $(seq "$repeat"); do
    rm -f out/* alone/*
    { time "$kurvix" --run script.txt data/*.txt $jobs ; } 2> run.time
    report "round $round: kurvix --run ${JOBS:+--jobs $JOBS}" run.time
    [ -n "${ONLY_RUN:-}" ] && continue
    { time for f in out/*.kwt; do "$kurvix" --export "alone/$(basename "$f" .kwt).png" "$f"; done ; } 2> alone.time
    report "round $round: $files x kurvix --export" alone.time
    { time ls out/*.kwt | xargs -P "$(nproc)" -I{} sh -c '"$0" --export "alone/$(basename "$1" .kwt).png" "$1"' "$kurvix" {} ; } 2> parallel.time
    report "round $round: the same, $(nproc) at a time" parallel.time
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
