#!/usr/bin/env bash
# File permissions, tried by a user who has no way around them: root reads and writes every
# file, so as root the cases run as the user "nobody". The checks themselves are test functions
# of tst_reliability, which lies beside the program's tests: a configuration file without read
# permission, and a writable file in a folder closed to new files.
# Argument: the built program. Exit 77 (skipped) where no such user can be taken on.
set -euo pipefail

program=${1:?usage: e2e_permissions.sh path/to/zwervel}
test_program="$(dirname "$program")/tests/tst_reliability"
if [ ! -x "$test_program" ]; then
    echo "SKIP: $test_program is not built"
    exit 77
fi

run_env=(env QT_QPA_PLATFORM=offscreen)
if [ "$(id -u)" -eq 0 ]; then
    if ! command -v setpriv >/dev/null 2>&1; then
        echo "SKIP: setpriv is not installed (util-linux)"
        exit 77
    fi
    as_nobody=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    if ! "${as_nobody[@]}" test -x "$test_program"; then
        echo "SKIP: the user nobody cannot reach $test_program (a folder on the way is closed)"
        exit 77
    fi
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    chown 65534:65534 "$work"
    run_env=("${as_nobody[@]}" env -i PATH="$PATH" HOME="$work" TMPDIR="$work" XDG_RUNTIME_DIR="$work"
             QT_QPA_PLATFORM=offscreen ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}")
fi

for case in fileWithoutReadPermission writableFileInClosedFolder; do
    output=$("${run_env[@]}" "$test_program" "$case" 2>&1) || { echo "$output"; exit 1; }
    echo "$output"
    # The case must really have run, not have been skipped for lack of a permission check.
    if ! grep -q "^PASS   : .*$case" <<<"$output"; then
        echo "FAIL: $case did not run"
        exit 1
    fi
done
