#!/usr/bin/env bash
# Installs what is missing, builds, and then starts Zwervel (`run`), checks the formatting and
# runs every test (`test`), makes the Debian package (`package`), or cross-builds the Windows
# program, tests it under Wine and zips it (`windows`). Works on a fresh Debian 12 machine, as
# root or through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ ccache clang-format qt6-base-dev qt6-svg-dev libgl-dev
          fonts-liberation2 xvfb xauth openbox xdotool x11-utils)
# The tests also validate the desktop entry and the AppStream metadata, build, unpack and start
# the Debian package, and start the program under a headless Wayland compositor.
test_packages=(desktop-file-utils appstream dpkg-dev file weston qt6-wayland)
# CPack's Debian generator asks dpkg-shlibdeps (dpkg-dev), which asks file; lintian checks the
# result.
package_packages=(dpkg-dev file lintian)
# The Windows build: MinGW-w64, Debian's Qt source and host tools for a static Qt, Wine to test
# under, and what turns the SVG pictures into PNGs and an icon.
windows_packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools qt6-base-dev-tools dpkg-dev patch
                  xz-utils wine wine64 librsvg2-bin icoutils imagemagick)

# Installs those of the given packages that are missing.
install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Every C++ source and header must already be as .clang-format lays it out, so that a
# reformatting never hides inside a change of substance.
check_format() {
    # A broken .clang-format would otherwise show as every file differing.
    if ! clang-format --dump-config >/dev/null; then
        echo "Formatting: clang-format cannot read .clang-format" >&2
        return 1
    fi
    local files=()
    if command -v git >/dev/null && git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
    else
        # An unpacked archive has no git index to ask.
        mapfile -d '' files < <(find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) \
                                    -print0 2>/dev/null | sort -z)
    fi
    local differ=()
    for f in "${files[@]}"; do
        # A tracked file deleted in the working tree is not there to check.
        [ -e "$f" ] || continue
        clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || differ+=("$f")
    done
    [ ${#differ[@]} -eq 0 ] && return 0
    {
        echo "Formatting: ${#differ[@]} of ${#files[@]} files differ from what .clang-format asks:"
        printf '    %s\n' "${differ[@]}"
        echo "See the differences with 'clang-format --dry-run FILE'; fix them with 'clang-format -i FILE'."
    } >&2
    return 1
}

build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

# The optimised program alone, without the benchmarks that the release preset also builds.
build_program() {
    cmake --preset release >/dev/null
    cmake --build --preset release --target zwervel
}

# A Wine prefix of the build's own: Liberation fonts where Windows keeps its fonts (a new prefix
# has none), and no crash dialog that would wait for a click for ever.
prepare_wine() {
    export WINEPREFIX=$PWD/build/windows/wine WINEDEBUG=-all
    [ -f "$WINEPREFIX/.prepared" ] && return 0
    rm -rf "$WINEPREFIX"
    timeout 300 wineboot -i >/dev/null 2>&1
    cp /usr/share/fonts/truetype/liberation2/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.prepared"
}

# Cross-builds Zwervel and its tests against the static Qt in $1, runs the tests and the
# end-to-end check under Wine, and zips the program.
windows_build() {
    export ZWERVEL_WINDOWS_QT=$1
    build windows
    prepare_wine
    ctest --preset windows
    bash tests/e2e_wine.sh build/windows/zwervel.exe
    cmake --build --preset windows --target windows_zip
}

case "${1:-}" in
run)
    install_missing "${packages[@]}"
    build_program
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: Zwervel is a desktop program and needs one." >&2
        echo "Start it under a virtual X server instead:" >&2
        echo "    xvfb-run -a build/release/zwervel" >&2
        exit 1
    fi
    exec build/release/zwervel
    ;;
test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    check_format
    build dev
    ctest --preset dev
    # The same tests with AddressSanitizer and UndefinedBehaviorSanitizer.
    build asan
    ctest --preset asan
    # The Windows tests too, where the static Qt for Windows is already built (building it
    # takes longer than a test run may).
    if qt=$(bash tools/windows-qt.sh --cached); then
        install_missing "${windows_packages[@]}"
        windows_build "$qt"
    else
        echo "Windows: no static Qt for Windows built yet (bash tools/zwervel.sh windows); its tests are left out."
    fi
    ;;
package)
    install_missing "${packages[@]}" "${package_packages[@]}"
    build_program
    rm -f build/release/zwervel_*.deb
    (cd build/release && cpack -G DEB)
    deb=$(ls build/release/zwervel_*.deb)
    # Errors fail the command; warnings are shown.
    lintian "$deb"
    echo "lintian: no errors"
    echo "Package: $deb"
    echo "Install it with: sudo apt install ./$deb"
    ;;
windows)
    install_missing "${packages[@]}" "${windows_packages[@]}"
    windows_build "$(bash tools/windows-qt.sh)"
    echo "Windows program: build/windows/zwervel-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' \
        build/windows/CMakeCache.txt)-windows-x86_64.zip"
    ;;
*)
    echo "usage: $0 run|test|package|windows" >&2
    exit 2
    ;;
esac
