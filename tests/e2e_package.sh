#!/usr/bin/env bash
# The Debian package as a user gets it: built by CPack from this build, its control fields and
# layout checked, then unpacked into a scratch root and started from there through its desktop
# entry's Exec line under a real X server, as a user who is not root. The window opens, takes
# a place, closes; opens again with that place, takes a second, closes: the settings file holds
# both.
# Arguments: the build folder and the cpack program.
# Exit 77 (skipped) where the Debian or X tools are missing.
set -euo pipefail

build_dir=${1:?usage: e2e_package.sh build-folder path/to/cpack}
cpack=${2:?usage: e2e_package.sh build-folder path/to/cpack}
id=nl.zwervel.Zwervel

for tool in dpkg-deb dpkg-shlibdeps file Xvfb openbox xdotool xprop; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (apt-get install dpkg-dev file xvfb openbox xdotool x11-utils)"
        exit 77
    fi
done
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    # Root writes where nobody else may, and would hide a settings file the user cannot write.
    if ! command -v setpriv >/dev/null 2>&1; then
        echo "SKIP: setpriv is not installed (util-linux)"
        exit 77
    fi
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
chmod 755 "$work"

# ---- the package --------------------------------------------------------------------------
"$cpack" --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
packages=("$work"/package/*.deb)
[[ ${#packages[@]} -eq 1 && -f ${packages[0]} ]] || fail "expected one package, found: ${packages[*]}"
deb=${packages[0]}

# The Qt libraries come from dpkg-shlibdeps, with their versions; the SVG icon engine, which
# draws every picture and which no library dependency brings, is named by hand.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in 'libqt6core6 (>= ' 'libqt6gui6 (>= ' 'libqt6widgets6 (>= ' 'libc6 (>= ' 'libqt6svg6'; do
    [[ ", $depends," == *", $library"* ]] || fail "Depends lacks '$library': $depends"
done

listing=$(dpkg-deb -c "$deb")
if grep -v ' root/root ' <<<"$listing"; then
    fail "the files above are not owned by root"
fi
dpkg-deb -x "$deb" "$work/root"
for file in usr/bin/zwervel usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man1/zwervel.1.gz \
    usr/share/doc/zwervel/copyright usr/share/doc/zwervel/changelog.gz; do
    [[ -f $work/root/$file ]] || fail "$file is not in the package: $listing"
done
version=$(dpkg-deb -f "$deb" Version)
changelog_head=$(gzip -dc "$work/root/usr/share/doc/zwervel/changelog.gz" | head -n 1)
[[ $changelog_head == "zwervel ($version) "* ]] ||
    fail "the changelog starts with '$changelog_head', not with version $version"

# ---- an X server on a free display, and a window manager ------------------------------------
start_x_server_and_window_manager

# ---- the program, as the user -----------------------------------------------------------------
# The unpacked bin folder stays root's, as an installed one is: the user's settings go to the
# user's own folder.
mkdir -m 700 "$work/home" "$work/runtime"
echo 'leak:libdbus-1.so' >"$work/lsan.supp"
if [[ ${#as_user[@]} -gt 0 ]]; then
    chown 65534:65534 "$work/home" "$work/runtime"
fi
settings=$work/home/.config/Zwervel/zwervel.cfg
read -r -a exec_line < <(sed -n 's/^Exec=//p' "$work/root/usr/share/applications/$id.desktop")
[[ ${#exec_line[@]} -gt 0 ]] || fail "the desktop entry has no Exec line"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$work/root/usr/share/applications/$id.desktop")
user_env=(env -i PATH="$work/root/usr/bin:$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
          DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb ASAN_OPTIONS="${ASAN_OPTIONS:-}"
          UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" LSAN_OPTIONS="suppressions=$work/lsan.supp")

# Starts the program, types the keys given into its route box, and closes its window.
run_once() {
    "${as_user[@]}" "${user_env[@]}" "${exec_line[@]}" >"$work/zwervel.log" 2>&1 &
    local pid=$!
    pids+=("$pid")
    local window
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zwervel$' | head -n 1) ||
        fail "the window did not appear: $(cat "$work/zwervel.log")"
    [[ -n $window ]] || fail "the window did not appear"
    # On X11 a desktop ties the window to its entry, and so to the icon, by its class.
    [[ $(xprop -id "$window" WM_CLASS) == *", \"$wm_class\"" ]] ||
        fail "the window's class is not '$wm_class': $(xprop -id "$window" WM_CLASS)"
    xdotool windowactivate --sync "$window"
    xdotool key --clearmodifiers "$@"
    # A busy window manager may miss the keys once.
    xdotool key --clearmodifiers alt+F4
    if ! wait_for 50 has_ended "$pid"; then
        xdotool windowactivate --sync "$window" 2>/dev/null || true
        xdotool key --clearmodifiers alt+F4
        wait_for 100 has_ended "$pid" || fail "the program did not end after Alt+F4"
    fi
    local status=0
    wait "$pid" || status=$?
    [[ $status -eq 0 ]] || fail "the program ended with status $status: $(cat "$work/zwervel.log")"
}

# The route box has the focus when the window opens.
run_once U t r e c h t
[[ $(head -n 1 "$settings" 2>/dev/null) == $'route=Utrecht\r' ]] ||
    fail "the place was not saved: $(od -c "$settings" 2>&1)"
# A second place after the first, which must be there again for the result to hold both.
run_once ctrl+End Return G o u d a
[[ $(head -n 1 "$settings") == $'route=Utrecht/Gouda\r' ]] ||
    fail "the place was not there again at the second start: $(od -c "$settings" 2>&1)"
if [[ ${#as_user[@]} -gt 0 ]]; then
    [[ $(stat -c %u "$settings") -eq 65534 ]] || fail "the settings file was not made by the user"
    [[ ! -e $work/root/usr/bin/zwervel.cfg ]] || fail "settings were written beside the program"
fi
echo "PASS: $(basename "$deb") unpacked, started through its desktop entry, kept its place in the user's own folder"
