#!/usr/bin/env bash
# The desktop entry (desktop) or the AppStream metadata (appstream) as desktops and software
# centres read them: clean under their validator, and tied to the others by the one
# application id that names the entry, the metadata and the icon.
# Arguments: desktop|appstream, the packaging folder, the project's version.
# Exit 77 (skipped) where the validator is not installed.
set -uo pipefail

kind=${1:?usage: validate_metadata.sh desktop|appstream packaging-folder version}
folder=${2:?usage: validate_metadata.sh desktop|appstream packaging-folder version}
version=${3:?usage: validate_metadata.sh desktop|appstream packaging-folder version}
id=nl.zwervel.Zwervel

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

case $kind in
desktop)
    file=$folder/$id.desktop
    if ! command -v desktop-file-validate >/dev/null 2>&1; then
        echo "SKIP: desktop-file-validate is not installed (apt-get install desktop-file-utils)"
        exit 77
    fi
    # Warnings and hints count too: the file is meant to be clean.
    report=$(desktop-file-validate "$file" 2>&1)
    status=$?
    [[ $status -eq 0 && -z $report ]] || fail "desktop-file-validate (status $status): $report"
    key() { sed -n "s/^$1=//p" "$file"; }
    [[ $(key Icon) == "$id" ]] || fail "Icon is '$(key Icon)', expected the application id '$id'"
    [[ $(key Exec) == zwervel ]] || fail "Exec is '$(key Exec)', expected 'zwervel'"
    # Dutch as the default, English beside it.
    for name in Name Comment GenericName; do
        [[ -n $(key "$name") && -n $(key "$name\[en\]") ]] || fail "$name or $name[en] is missing"
    done
    [[ $(key Comment) == *reisroute* ]] || fail "the default Comment is not Dutch: $(key Comment)"
    ;;
appstream)
    file=$folder/$id.metainfo.xml
    if ! command -v appstreamcli >/dev/null 2>&1; then
        echo "SKIP: appstreamcli is not installed (apt-get install appstream)"
        exit 77
    fi
    report=$(appstreamcli validate --no-net --strict "$file" 2>&1)
    status=$?
    [[ $status -eq 0 ]] || fail "appstreamcli validate (status $status): $report"
    element() { sed -n "s:.*<$1>\(.*\)</$1>.*:\1:p" "$file" | head -n 1; }
    [[ $(element id) == "$id" ]] || fail "the component id is '$(element id)', expected '$id'"
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$file")
    [[ $launchable == "$id.desktop" ]] || fail "launchable is '$launchable', expected '$id.desktop'"
    [[ -f $folder/$launchable ]] || fail "the launchable $launchable is not in $folder"
    # A new version of the project needs its release in the metadata.
    newest=$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$file" | head -n 1)
    [[ $newest == "$version" ]] || fail "the newest release is '$newest', the project's version '$version'"
    ;;
*)
    echo "usage: validate_metadata.sh desktop|appstream packaging-folder version" >&2
    exit 2
    ;;
esac

if [[ $failures -gt 0 ]]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "PASS: $(basename "$file") is valid and names $id"
