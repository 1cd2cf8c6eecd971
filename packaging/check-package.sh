#!/usr/bin/env bash
# Builds the Debian package from an existing build folder, checks it with lintian (an error or a
# warning fails), installs it on this machine, checks the installed program, its menu entry,
# software-centre description, manual page, icon and room file type, and removes it again.
# Needs root or sudo; meant for a disposable or development machine.
#
#   packaging/check-package.sh [BUILD_DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
room=$(realpath docs/rooms/LibraryGallery.mst)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
apt() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -qq "$@"; }

failures=0
not_in() { ! grep -qE "$2" "$1"; }
check() {
    local what=$1
    shift
    if "$@" >/dev/null 2>&1; then
        echo "ok      $what"
    else
        echo "FAILED  $what"
        failures=$((failures + 1))
    fi
}

# dpkg-shlibdeps, from dpkg-dev, derives the package's library dependencies; the build looks
# for it when it is configured.
need=()
command -v dpkg-shlibdeps >/dev/null || need+=(dpkg-dev)
command -v lintian >/dev/null || need+=(lintian)
command -v appstreamcli >/dev/null || need+=(appstream)
command -v desktop-file-validate >/dev/null || need+=(desktop-file-utils)
command -v man >/dev/null || need+=(man-db)
if [ ${#need[@]} -ne 0 ]; then
    apt update
    apt install --no-install-recommends "${need[@]}"
    cmake "$build" >/dev/null
fi

echo "== Building the package"
cmake --build "$build"
rm -f "$build"/planzeta_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/planzeta_*.deb)
dpkg-deb --field "$deb" Package Version Architecture Maintainer Section Depends Suggests
dpkg-deb --contents "$deb" | awk '{print $NF}'

echo "== Checking the package with lintian"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
lintian --display-info --fail-on error,warning "$deb" | tee "$work/lintian" ||
    { echo "FAILED  lintian reports errors or warnings"; exit 1; }
check "the executable is hardened and stripped" not_in "$work/lintian" 'hardening-no-|unneeded-section|unstripped'

echo "== Installing"
trap 'rm -rf "$work"; apt remove planzeta >/dev/null' EXIT
apt install "$deb"
cp "$room" "$work/some.mst"
cp "$room" "$work/OTHER.MST"
printf '\xef\xbb\xbf[Room]\r\nWidth=300\r\n' >"$work/no-extension"

echo "== Checking the installed copy"
check "planzeta is on the path at /usr/bin" test "$(command -v planzeta)" = /usr/bin/planzeta
check "planzeta --version names the licence" grep -q GPL-3.0-or-later <(planzeta --version)
check "the manual page is installed" man --where planzeta
check "the copyright file and change log are installed" \
    test -f /usr/share/doc/planzeta/copyright -a -f /usr/share/doc/planzeta/changelog.gz
check "the software-centre description is valid" \
    appstreamcli validate --pedantic --strict --no-net /usr/share/metainfo/io.planzeta.Planzeta.metainfo.xml
check "the library file is installed" test -f /usr/share/planzeta/Library.msk
check "planzeta --export-image draws a room" planzeta --export-image "$work/room.png" "$work/some.mst"
check "the picture is a PNG file" grep -q PNG <(head -c 4 "$work/room.png")
check "the menu entry is installed" test -f /usr/share/applications/io.planzeta.Planzeta.desktop
check "the menu entry is valid" desktop-file-validate /usr/share/applications/io.planzeta.Planzeta.desktop
check "the desktop database lists the room type" \
    grep -q 'application/x-planzeta-room=io.planzeta.Planzeta.desktop' /usr/share/applications/mimeinfo.cache
for icon in scalable/apps/planzeta.svg {48x48,128x128,256x256}/apps/planzeta.png; do
    check "icon $icon" test -s "/usr/share/icons/hicolor/$icon"
done
check "the MIME database knows the room type" test -f /usr/share/mime/application/x-planzeta-room.xml
# Outside a desktop session xdg-mime falls back to file(1), which does not read the shared
# MIME database; it is asked as a GNOME session would ask it.
content_type() {
    if command -v xdg-mime >/dev/null; then
        XDG_CURRENT_DESKTOP=${XDG_CURRENT_DESKTOP:-GNOME} xdg-mime query filetype "$1"
    else
        gio info -a standard::content-type "$1" | sed -n 's/.*content-type: //p'
    fi
}
for file in some.mst OTHER.MST no-extension; do
    type=$(content_type "$work/$file" || true)
    echo "        $file: $type"
    check "$file is a Planzeta room plan" test "$type" = application/x-planzeta-room
done

echo "== Removing"
apt remove planzeta
trap 'rm -rf "$work"' EXIT
check "the package is gone" test "$(dpkg-query -W -f='${Status}' planzeta 2>/dev/null || true)" != "install ok installed"
check "the program is gone" test ! -e /usr/bin/planzeta
check "the data folder is gone" test ! -e /usr/share/planzeta
check "the MIME database forgot the room type" test ! -e /usr/share/mime/application/x-planzeta-room.xml

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "All checks passed."
