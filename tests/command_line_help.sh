#!/usr/bin/env bash
# --help and --version answer on the terminal, in Dutch, without a display: with none to be had,
# a program that reached for the window system would abort instead. Options the program does
# not know are refused once Qt has taken its own.
# Arguments: the built program and the project's version.
set -uo pipefail

program=${1:?usage: command_line_help.sh path/to/zwervel version}
version=${2:?usage: command_line_help.sh path/to/zwervel version}

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Runs the program with no display and Qt's default platform; sets status and output.
run_without_display() {
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$program" "$@" 2>&1)
    status=$?
}

for option in --help -h; do
    run_without_display "$option"
    [[ $status -eq 0 ]] || fail "$option: exit status $status: $output"
    for expected in 'Gebruik: .*zwervel \[opties\]' 'reisroute' '^Opties:' \
        '-h, --help  *Toont deze hulp' '-v, --version  *Toont het versienummer'; do
        grep -q -- "$expected" <<<"$output" || fail "$option: no line matching '$expected' in: $output"
    done
done

for option in --version -v; do
    run_without_display "$option"
    [[ $status -eq 0 ]] || fail "$option: exit status $status: $output"
    [[ $output == "Zwervel $version" ]] || fail "$option: '$output', expected 'Zwervel $version'"
done

# Qt's own options may stand beside them, whole words that only QApplication knows.
for qt_options in '-platform offscreen' '-stylesheet x.qss'; do
    # shellcheck disable=SC2086 # one word each
    run_without_display $qt_options --version
    [[ $status -eq 0 && $output == "Zwervel $version" ]] ||
        fail "$qt_options --version: status $status: $output"
done
# Alone, such an option starts the program, which finds no display here.
run_without_display -reverse
[[ $status -ne 0 && $output != "Zwervel $version" ]] || fail "-reverse answered: $output"

# With a platform that needs no display the program would start: refusing must end it first.
for arguments in '--bogus' 'Utrecht'; do
    # shellcheck disable=SC2086 # one word each
    output=$(QT_QPA_PLATFORM=offscreen timeout 20 "$program" $arguments 2>&1)
    status=$?
    [[ $status -eq 1 ]] || fail "$arguments: exit status $status, expected 1: $output"
    grep -q "^Zwervel: On.* '${arguments#--}'\.$" <<<"$output" ||
        fail "$arguments: no Dutch refusal in: $output"
done

if [[ $failures -gt 0 ]]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "PASS: --help and --version answer without a display; unknown arguments are refused"
