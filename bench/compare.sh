#!/bin/bash
# Kurvix beside gnuplot on the same work and the same 480 x 480 image, and the
# windowed start beside a minimal Qt widgets program. Every pair runs
# alternately, round after round, so a change in the machine's load hits both
# sides alike; the table gives medians and the ratio kurvix / other.
# Not a test: the figures depend on the machine and what else runs.
#
#   bench/compare.sh [BUILD]   (default build/; ROUNDS=21 BATCH_ROUNDS=3
#                               FILES=200 XDISPLAY=:97 KURVIX=other/kurvix;
#                               NO_WINDOWS=1 skips the
#                               cases that need Xvfb)
set -eu

build=$(realpath "${1:-build}")
kurvix=${KURVIX:-$build/kurvix}
minimal=$build/bench/minimal_window
rounds=${ROUNDS:-21}
batchRounds=${BATCH_ROUNDS:-3}
files=${FILES:-200}
xdisplay=${XDISPLAY:-:97}

need() { command -v "$1" >/dev/null || missing="${missing:-} $2"; }
need gnuplot gnuplot-nox
[ -n "${NO_WINDOWS:-}" ] || { need Xvfb xvfb; need xdotool xdotool; }
if [ -n "${missing:-}" ]; then
    echo "installing:$missing"
    if [ "$(id -u)" = 0 ]; then apt-get install -y --no-install-recommends $missing >/dev/null
    else sudo apt-get install -y --no-install-recommends $missing >/dev/null; fi
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/kurvix-compare.XXXXXX")
cleanup() { [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
cd "$work"
mkdir batch out gout
export XDG_RUNTIME_DIR=$work

# Nine sets of 10000 points, X 0 .. 9.999, Y a wave with a ripple per set.
awk 'BEGIN { for (s = 1; s <= 9; ++s) { n = sprintf("s%d.txt", s)
    for (i = 0; i < 10000; ++i) { x = i * 0.001
        printf "%.3f %.6f\n", x, 5 + 3.5 * sin(x * (1 + 0.3 * s)) + 0.3 * sin(37 * x * s) > n }
    close(n) } }'
ranges() { printf 'symbols on\nconnect on\nxfrom 0\nxto 10\nyfrom 0\nyto 10\n'; }
{ echo "open s1.txt"; ranges; echo "save one.kwt"
  for s in 2 3 4 5 6 7 8 9; do echo "open2 $s s$s.txt"; echo "set $s"; ranges; done
  echo "set 1"; echo "save nine.kwt"; } > make.txt
"$kurvix" --run make.txt
# The batch: FILES copies of one set, each a file of its own.
for f in $(seq -f %03g "$files"); do cp s1.txt "batch/m$f.txt"; done
{ echo 'open $FILE'; ranges; echo 'save batch/$NAME.kwt'; } > prep.txt
"$kurvix" --run prep.txt batch/*.txt
printf 'open $FILE\nexport out/$NAME.png\n' > export.txt

plotOne="set xrange [0:10]; set yrange [0:10]; plot 's1.txt' with linespoints pt 4"
plotNine="set xrange [0:10]; set yrange [0:10]; plot for [i=1:9] sprintf('s%d.txt', i) with linespoints pt 4"
echo "set terminal png size 480,480; set output 'g1.png'; $plotOne" > one.gp
echo "set terminal png size 480,480; set output 'g9.png'; $plotNine" > nine.gp
echo "set terminal unknown; $plotNine" > read.gp

gnuplotEach() { for f in batch/*.txt; do n=$(basename "$f" .txt)
    gnuplot -e "set terminal png size 480,480; set output 'gout/$n.png'; set xrange [0:10]; set yrange [0:10]; plot '$f' with linespoints pt 4"; done; }
kurvixEach() { for f in batch/*.kwt; do "$kurvix" --export "out/$(basename "$f" .kwt).png" "$f"; done; }
kurvixRun() { "$kurvix" --run export.txt batch/*.kwt; }

# ms <command...>: wall milliseconds of one run.
ms() { local t0=$EPOCHREALTIME; "$@" >/dev/null 2>&1 || true; local t1=$EPOCHREALTIME
       awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.2f\n", 1000 * (b - a) }'; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
row() { # label, goal, file a, file b
    local a b; a=$(median < "$3"); b=$(median < "$4")
    printf "%-44s %10.1f %10.1f %7.2f   %s\n" "$1" "$a" "$b" "$(awk -v a="$a" -v b="$b" 'BEGIN { print a / b }')" "$2"; }

echo "$(nproc) cores; load before: $(cut -d' ' -f1-3 /proc/loadavg); $rounds rounds ($batchRounds for the batch)"
for r in $(seq "$rounds"); do
    ms "$kurvix" --export k1.png one.kwt >> k1; ms gnuplot one.gp >> g1
    ms "$kurvix" --export k9.png nine.kwt >> k9; ms gnuplot nine.gp >> g9
    ms "$kurvix" --convert nine.kwt copy.kwt >> kc; ms gnuplot read.gp 2>/dev/null >> gr
    ms "$kurvix" --help >> kh
done
for r in $(seq "$batchRounds"); do
    ms kurvixRun >> kb; ms kurvixEach >> ke; ms gnuplotEach >> gb
done

if [ -z "${NO_WINDOWS:-}" ]; then
    Xvfb "$xdisplay" -screen 0 1280x900x24 >/dev/null 2>&1 & xvfb=$!
    sleep 1
    export DISPLAY=$xdisplay
    for r in $(seq "$rounds"); do
        KURVIX_TRACE=exit ms "$kurvix" >> kw 2>/dev/null; KURVIX_TRACE=exit ms "$minimal" >> mw 2>/dev/null
    done
    # A click on "Graphic ..." with nine sets loaded: the program's own figure,
    # and the one seen from here (from before xdotool starts to the end of the
    # paint, so it includes xdotool's own start).
    for r in $(seq "$rounds"); do
        KURVIX_TRACE=1 "$kurvix" nine.kwt 2> trace.txt & pid=$!
        # A start or click that never paints (the process died) skips the round.
        wait_for() { for _ in $(seq 500); do grep -q "$1" trace.txt 2>/dev/null && return 0; sleep 0.02; done; return 1; }
        wait_for "main window painted" || { kill $pid 2>/dev/null; continue; }
        sleep 0.3
        t0=$EPOCHREALTIME; xdotool mousemove 825 519 click 1
        wait_for "graphic window painted" || { kill $pid 2>/dev/null; continue; }
        sleep 0.3
        awk '/graphic window painted/ { print $8 }' trace.txt >> gi
        awk -v t0="$t0" '/graphic window painted/ { sub(/\)/, "", $NF); printf "%.2f\n", 1000 * ($NF - t0) }' trace.txt >> go
        awk '/VmRSS/ { printf "%.1f\n", $2 / 1024 }' /proc/$pid/status >> rss
        kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true
    done
fi

echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
printf "%-44s %10s %10s %7s   %s\n" "median ms" "kurvix" "other" "ratio" "goal"
row "export 1 x 10000 points / gnuplot png" "<= 0.5" k1 g1
row "export 9 x 10000 points / gnuplot png" "<= 0.2" k9 g9
row "convert 90000 points / gnuplot reading them" "<= 0.5" kc gr
row "--run over $files files / gnuplot $files runs" "" kb gb
row "$files --export / gnuplot $files runs" "" ke gb
row "--run over $files files / $files --export" "" kb ke
printf "%-44s %10.1f\n" "--help" "$(median < kh)"
if [ -z "${NO_WINDOWS:-}" ]; then
    row "start until main window painted / minimal" "<= 1.1" kw mw
    printf "%-44s %10.1f %21s\n" "click to graphic painted, inside" "$(median < gi)" "<= 40"
    printf "%-44s %10.1f %21s\n" "the same from outside (xdotool included)" "$(median < go)" "<= 40"
    printf "%-44s %10.1f %21s\n" "resident MB after the nine-set plot" "$(median < rss)" "<= 40"
fi
