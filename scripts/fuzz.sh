#!/usr/bin/env bash
# Fuzzes every fuzz target (fuzz/*.cpp), or those named, for SECONDS each (default 600), JOBS at a
# time (default: half the cores), niced. Builds the libFuzzer programs with clang into build-fuzz/
# first. Each target starts from its corpus in fuzz/corpus/<target>/ and keeps what it finds
# beyond it in build-fuzz/corpus/<target>/; an input that breaks a target is written to
# build-fuzz/findings/<target>/ (copy it into fuzz/corpus/<target>/ once mended, so the replay
# tests keep it). Prints the runs, coverage and findings per target; fails when any target found
# something.
#
#   scripts/fuzz.sh [--jobs N] [SECONDS] [TARGET...]
#
# FUZZ_FLAGS adds libFuzzer options to every run, for example "-fork=1 -ignore_ooms=1" to go on
# past a fault already known.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(( $(nproc) / 2 > 0 ? $(nproc) / 2 : 1 ))
if [ "${1:-}" = "--jobs" ]; then
    jobs="${2:?--jobs needs a number}"
    shift 2
fi
seconds=600
if [[ "${1:-}" =~ ^[0-9]+$ ]]; then
    seconds="$1"
    shift
fi

scripts/setup.sh --fuzz-tools
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DZUBO_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fuzzers

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in fuzz/corpus/*/; do
        targets+=("$(basename "$source")")
    done
fi

out=build-fuzz
mkdir -p "$out/logs"
# Leaks are looked for by the sanitizer suite (scripts/test.sh --sanitize); here every run would
# stop at Qt's caches that live as long as the process.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

run() {
    local target="$1"
    mkdir -p "$out/corpus/$target" "$out/findings/$target"
    # A hang of a few seconds on one small input is a finding.
    nice "$out/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
        -print_final_stats=1 -artifact_prefix="$out/findings/$target/" ${FUZZ_FLAGS:-} \
        "$out/corpus/$target" "fuzz/corpus/$target" >"$out/logs/$target.log" 2>&1 || true
}
export -f run
export out seconds FUZZ_FLAGS
printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run {}'

found=0
printf '%-14s %12s %8s %8s %s\n' target runs cov ft findings
for target in "${targets[@]}"; do
    log="$out/logs/$target.log"
    runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' ||
        grep -o '^#[0-9]*' "$log" | tail -1 | tr -d '#' || echo '?')
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || echo '?')
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || echo '?')
    findings=$(find "$out/findings/$target" -type f | wc -l)
    [ "$findings" -gt 0 ] && found=1
    printf '%-14s %12s %8s %8s %s\n' "$target" "$runs" "$cov" "$ft" "$findings"
done
echo "Logs in $out/logs/, findings in $out/findings/."
exit "$found"
