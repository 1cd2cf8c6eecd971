#!/usr/bin/env bash
# Checks the metadata that describes the program to the desktop and to software centres, and
# that they agree with the program itself:
# - the menu entry passes desktop-file-validate and the AppStream description passes
#   appstreamcli's pedantic validation (offline) without an error, warning or note;
# - the options the command line knows, those --help lists and those the manual page
#   describes are the same;
# - --version, the newest release of the AppStream description, the change log and the
#   manual page name the same version.
#
#   packaging/check-metadata.sh PLANZETA_EXECUTABLE METAINFO_XML
set -euo pipefail
cd "$(dirname "$0")/.."
exe=$1
metainfo=$2

failures=0
fail() {
    echo "FAILED  $*"
    failures=$((failures + 1))
}

if ! out=$(desktop-file-validate packaging/io.planzeta.Planzeta.desktop 2>&1) || [ -n "$out" ]; then
    fail "the menu entry: $out"
fi
if ! out=$(appstreamcli validate --pedantic --strict --no-net "$metainfo" 2>&1); then
    fail "the AppStream description: $out"
fi

options() { grep -o -- '--[a-z0-9][a-z0-9-]*' | sort -u; }
known=$(grep -rhoE -- '"--[a-z0-9][a-z0-9-]*"' src/app | tr -d '"' | options)
listed=$("$exe" --help | options)
described=$(sed 's/\\-/-/g' packaging/planzeta.1 | options)
[ "$known" = "$listed" ] ||
    fail "options known but not in --help, or the other way round:" $(comm -3 <(echo "$known") <(echo "$listed"))
[ "$listed" = "$described" ] ||
    fail "options in --help but not in the manual page, or the other way round:" \
        $(comm -3 <(echo "$listed") <(echo "$described"))

version=$("$exe" --version | sed -n '1s/^planzeta //p')
release=$(grep -o -m1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)
logged=$(sed -n '1s/^planzeta (\([^)]*\)).*/\1/p' packaging/changelog)
manual=$(sed -n 's/^\.TH .*"Planzeta \([^"]*\)".*/\1/p' packaging/planzeta.1)
[ "$release $logged $manual" = "$version $version $version" ] ||
    fail "version $version, but the AppStream description, change log and manual page name" \
        "'$release', '$logged', '$manual'"

[ "$failures" -eq 0 ] || exit 1
echo "The metadata is valid and agrees with planzeta $version."
