#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every libFuzzer target of BUILD_DIR on its seeds, JOBS targets at a time, each for
# FUZZ_SECONDS or, when FUZZ_RUNS is set, until it has run that many inputs. New inputs go to
# BUILD_DIR/corpus, logs to BUILD_DIR/fuzz-logs; one summary line per target at the end.
# FUZZ_MERGE=1 afterwards minimises seeds plus new inputs back into tests/fuzz/seeds.
set -u
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-fuzz}
jobs=${JOBS:-$(nproc)}
seconds=${FUZZ_SECONDS:-60}
runs=${FUZZ_RUNS:-}

# Each input lives only for one call, so a short quarantine still catches a use after free
# within it; the default quarter gigabyte mostly costs page faults.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16}

limit=(-max_total_time="$seconds")
[ -n "$runs" ] && limit=(-runs="$runs")

mkdir -p "$build/fuzz-logs"
targets=()
for f in "$build"/tests/fuzz/fuzz_*; do
    [ -x "$f" ] && targets+=("$(basename "$f")")
done
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build/tests/fuzz" >&2; exit 1; }

run_one() {
    local name=$1
    mkdir -p "$build/corpus/$name"
    "$build/tests/fuzz/$name" "${limit[@]}" -print_final_stats=1 \
        "$build/corpus/$name" "tests/fuzz/seeds/$name" >"$build/fuzz-logs/$name.log" 2>&1
}

for name in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
        wait -n
    done
    run_one "$name" &
done
wait

status=0
for name in "${targets[@]}"; do
    log="$build/fuzz-logs/$name.log"
    units=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    done_line=$(grep -E '^Done [0-9]+ runs' "$log" | tail -1)
    if [ -n "$done_line" ]; then
        secs=$(echo "$done_line" | sed -E 's/.* in ([0-9]+) second.*/\1/')
        echo "$name: $units runs in $secs s ($((units / (secs > 0 ? secs : 1))) per second), no crash"
    else
        echo "$name: FAILED, see $log"
        grep -E 'ERROR|SUMMARY|Test unit written' "$log" | head -5
        status=1
    fi
done

if [ "${FUZZ_MERGE:-0}" = 1 ] && [ $status = 0 ]; then
    for name in "${targets[@]}"; do
        merged=$(mktemp -d)
        "$build/tests/fuzz/$name" -merge=1 "$merged" "tests/fuzz/seeds/$name" \
            "$build/corpus/$name" >>"$build/fuzz-logs/$name.log" 2>&1 &&
            chmod 755 "$merged" && rm -rf "tests/fuzz/seeds/$name" &&
            mv "$merged" "tests/fuzz/seeds/$name" &&
            echo "$name: $(ls "tests/fuzz/seeds/$name" | wc -l) seeds kept"
    done
fi
exit $status
