#!/usr/bin/env bash
# Builds Qt base for Windows as a static library, once, from Debian's own qt6-base source and
# with Debian's MinGW-w64, and prints the folder it is installed in. The folder's name carries
# the Qt version and a digest of everything that shapes the build, so a change of compiler,
# options or toolchain file builds it again beside the old one. With --cached it only prints
# the folder of a build that is there already, and fails where there is none.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
qt_version=6.4.2
cache=${ZWERVEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zwervel}

# Only what the program and its tests use; the third-party libraries Qt brings along, so that
# the .exe needs nothing beside it.
options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_testlib=ON -DFEATURE_icu=OFF -DFEATURE_zstd=OFF
    -DFEATURE_openssl=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_androiddeployqt=OFF -DFEATURE_qmake=OFF)

toolchain=$here/cmake/mingw-w64-x86_64.cmake
# Without the cross compiler there is no build to find.
command -v x86_64-w64-mingw32-g++-posix >/dev/null || exit 1
digest=$( { x86_64-w64-mingw32-g++-posix --version | head -n 1; printf '%s\n' "${options[@]}"
            cat "$toolchain"; } | sha256sum | cut -c1-12)
prefix=$cache/qt-$qt_version-mingw-static-$digest
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi
[ "${1:-}" != --cached ] || exit 1

work=$cache/work-$digest
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/lists/partial" "$work/apt/sources" "$prefix"
# The installed Qt chain-loads its toolchain file by path: keep a copy beside it, so that it
# outlives the work tree it came from.
cp "$toolchain" "$prefix/mingw-w64-x86_64.cmake"

# Debian's source archive through a list of our own: the machine's apt configuration stays as
# it is.
echo "Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" >"$work/apt/sources/debian-src.sources"
apt_options=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/apt/sources"
             -o "Dir::State::Lists=$work/apt/lists")
# apt fetches as its own user where it can; our folder is ours, so let it fetch as us.
apt_options+=(-o APT::Sandbox::User=root)
apt-get "${apt_options[@]}" update -qq
# The same Debian version as the host tools (moc, rcc) that build against it.
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
case "$host_version" in "$qt_version"*) ;; *)
    echo "Debian's Qt tools are $host_version; this build expects $qt_version" >&2; exit 1 ;;
esac
(cd "$work" && apt-get "${apt_options[@]}" source --download-only "qt6-base=$host_version")
tar -xf "$work"/qt6-base_*.orig.tar.xz -C "$work"
tar -xf "$work"/qt6-base_*.debian.tar.xz -C "$work"
source_dir=$(echo "$work"/qtbase-everywhere-src-*)
# Debian's own fixes (security among them) apply to this build too.
while read -r patch; do
    case "$patch" in ''|'#'*) continue ;; esac
    patch -d "$source_dir" -p1 --forward --quiet <"$work/debian/patches/${patch%% *}"
done <"$work/debian/patches/series"

cmake -G Ninja -S "$source_dir" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >&2
cmake --build "$work/build" >&2
cmake --install "$work/build" >&2
# The licence texts, and who made what, go with every program linked against it.
cp -r "$source_dir/LICENSES" "$prefix/LICENSES"
cp "$work/debian/copyright" "$prefix/debian-copyright.txt"
rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix"
