#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time (default 60 s)
# from its seed corpus in fuzz/corpus/<name>. A crash leaves its input in build/fuzz/crashes;
# new inputs go to build/fuzz/corpus-<name>, never into the seeds. To refresh the seeds after a
# long run, keep a few KB of the smallest files that
#     build/fuzz/fuzz/fuzz_<name> -merge=1 <empty folder> fuzz/corpus/<name> build/fuzz/corpus-<name>
# selects.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

for p in clang libclang-rt-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || {
        echo "Installing $p"; sudo_cmd=(); [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
        "${sudo_cmd[@]}" apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "$p"; }
done

# The targets are named after their sources; the build folder also holds their moc folders.
targets=()
for source_file in fuzz/fuzz_*.cpp; do targets+=("$(basename "$source_file" .cpp)"); done

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${targets[@]}"
mkdir -p build/fuzz/crashes
status=0
for name in "${targets[@]}"; do
    target="build/fuzz/fuzz/$name"
    corpus="fuzz/corpus/${name#fuzz_}"
    new_corpus="build/fuzz/corpus-${name#fuzz_}"
    mkdir -p "$new_corpus"
    echo "== $name: $seconds s"
    log="build/fuzz/$name.log"
    rc=0
    QT_QPA_PLATFORM=offscreen "$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
        -rss_limit_mb=4096 -artifact_prefix=build/fuzz/crashes/"$name"- -print_final_stats=1 \
        "$new_corpus" "$corpus" >"$log" 2>&1 || rc=$?
    grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb|==[0-9]+==ERROR|SUMMARY)|broken:' "$log" || true
    grep -E '^Done [0-9]+ runs' "$log" || true
    if [ "$rc" -ne 0 ]; then echo "$name FAILED (exit $rc), see $log"; status=1; fi
done
exit $status
