#!/bin/bash
# Builds the libFuzzer targets with clang (ASan + UBSan) in build/fuzz and runs each one
# for a bounded time. Any crash, leak, timeout or sanitizer finding fails the run.
#   TP_FUZZ_SECONDS   time for the archive fuzzer (default 60); other targets get a quarter.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
seconds="${TP_FUZZ_SECONDS:-60}"
jobs="${TP_JOBS:-$(nproc)}"

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTP_FUZZ=ON >/dev/null
if ! ninja -C build/fuzz -t targets all 2>/dev/null | grep -q '^fuzzers:'; then
    echo "no fuzz targets yet"
    exit 0
fi
cmake --build build/fuzz --target fuzzers -j "$jobs"

# Seeds: the archives the interop tests make, when those tests exist.
seeds="build/fuzz/seeds"
mkdir -p "$seeds"
if [ -x build/native/bin/mpq_interop_tests ]; then
    mkdir -p "$seeds/fuzz_mpq_archive"
    TP_FUZZ_SEEDS="$root/$seeds/fuzz_mpq_archive" build/native/bin/mpq_interop_tests \
        --gtest_brief=1 >/dev/null 2>&1 || true
fi

status=0
for fuzzer in build/fuzz/bin/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    name="$(basename "$fuzzer")"
    t=$(( seconds / 4 ))
    [ "$name" = fuzz_mpq_archive ] && t=$seconds
    [ "$t" -ge 1 ] || t=1
    corpus="build/fuzz/corpus/$name"
    mkdir -p "$corpus" "$seeds/$name" "build/fuzz/findings/$name"
    echo "-- $name for ${t}s"
    if ! "$fuzzer" "$corpus" "$seeds/$name" -max_total_time="$t" -timeout=10 \
        -rss_limit_mb=2048 -max_len=1048576 -print_final_stats=1 \
        -artifact_prefix="build/fuzz/findings/$name/" >"build/fuzz/$name.log" 2>&1; then
        echo "FAILED: $name found a fault; see build/fuzz/$name.log and build/fuzz/findings/$name/"
        tail -40 "build/fuzz/$name.log"
        status=1
    else
        grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "build/fuzz/$name.log" | sed 's/^/   /'
    fi
done
exit $status
