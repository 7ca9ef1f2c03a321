#!/usr/bin/env bash
# A configuration file without read permission, tried by a user who has no way around it: root
# reads every file, so as root the case runs as the user "nobody". The check itself is the test
# function bestandZonderLeesrecht in tst_reliability, which lies beside the program's tests.
# Argument: the built program. Exit 77 (skipped) where no such user can be taken on.
set -euo pipefail

programma=${1:?usage: e2e_leesrecht.sh path/to/zwervel}
test_programma="$(dirname "$programma")/tests/tst_reliability"
if [ ! -x "$test_programma" ]; then
    echo "SKIP: $test_programma is not built"
    exit 77
fi

omgeving=(env QT_QPA_PLATFORM=offscreen)
if [ "$(id -u)" -eq 0 ]; then
    if ! command -v setpriv >/dev/null 2>&1; then
        echo "SKIP: setpriv is not installed (util-linux)"
        exit 77
    fi
    als_nobody=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    if ! "${als_nobody[@]}" test -x "$test_programma"; then
        echo "SKIP: the user nobody cannot reach $test_programma (a folder on the way is closed)"
        exit 77
    fi
    werk=$(mktemp -d)
    trap 'rm -rf "$werk"' EXIT
    chown 65534:65534 "$werk"
    omgeving=("${als_nobody[@]}" env -i PATH="$PATH" HOME="$werk" TMPDIR="$werk" XDG_RUNTIME_DIR="$werk"
              QT_QPA_PLATFORM=offscreen ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}")
fi

uitvoer=$("${omgeving[@]}" "$test_programma" bestandZonderLeesrecht 2>&1) || { echo "$uitvoer"; exit 1; }
echo "$uitvoer"
# The case must really have run, not have been skipped for lack of a permission check.
if ! grep -q '^PASS   : .*bestandZonderLeesrecht' <<<"$uitvoer"; then
    echo "FAIL: bestandZonderLeesrecht did not run"
    exit 1
fi
