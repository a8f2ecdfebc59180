#!/usr/bin/env bash
# Installs a built tree into a fresh prefix and checks that a desktop finds
# everything it needs there: program, menu entry, icon at every size and the
# AppStream metadata, each naming the others correctly.
# Usage: check-install.sh BUILD_DIR APP_ID VERSION ICON_SIZE...
set -uo pipefail

build=$1 app_id=$2 version=$3
shift 3
icon_sizes=("$@")

prefix=$(mktemp -d "${TMPDIR:-/tmp}/kalmora-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT

passed=0 failed=0
check() {
    local what=$1
    shift
    if "$@"; then
        echo "PASS: $what"
        passed=$((passed + 1))
    else
        echo "FAIL: $what"
        failed=$((failed + 1))
    fi
}

# Width and height from a PNG's IHDR chunk, as "WxH".
png_size() {
    [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || return 1
    local w h
    w=$(od -An -tu4 --endian=big -j16 -N4 "$1" | tr -d ' ')
    h=$(od -An -tu4 --endian=big -j20 -N4 "$1" | tr -d ' ')
    echo "${w}x${h}"
}

# The value of KEY in the [Desktop Entry] group of FILE.
desktop_key() {
    sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$1"'=//p}' "$2" | head -n1
}

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log"
    rm -f "$prefix.log"
    echo "FAIL: cmake --install"
    echo "0 passed, 1 failed"
    exit 1
fi
rm -f "$prefix.log"
echo "PASS: cmake --install into $prefix"
passed=$((passed + 1))

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml

check "program installed and executable: bin/kalmora" test -x "$prefix/bin/kalmora"
check "menu entry installed: share/applications/$app_id.desktop" test -f "$desktop"
check "installed menu entry is valid" desktop-file-validate "$desktop"

exec_cmd=$(desktop_key Exec "$desktop")
check "Exec=$exec_cmd names the installed program" test -x "$prefix/bin/${exec_cmd%% *}"

icon=$(desktop_key Icon "$desktop")
check "Icon=$icon is a theme name, not a path" test -n "$icon" -a "${icon#*/}" = "$icon"
for size in "${icon_sizes[@]}"; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
    check "icon ${size}x${size} installed and ${size}x${size} pixels" \
        test "$(png_size "$png" 2>/dev/null)" = "${size}x${size}"
done

check "metadata installed: share/metainfo/$app_id.metainfo.xml" test -f "$metainfo"
check "metadata has no unreplaced @VARIABLE@" bash -c '! grep -q "@[A-Z_]*@" "$1"' _ "$metainfo"
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
check "metadata launches $launchable, the installed menu entry" \
    test "$launchable" = "$app_id.desktop" -a -f "$prefix/share/applications/$launchable"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n1 | cut -d'"' -f2)
check "newest release in the metadata ($newest) is the project version $version" test "$newest" = "$version"
# Checks the metadata against the installed tree as a distribution would:
# that the menu entry it launches is there.
check "appstreamcli validate-tree of the installed prefix" \
    appstreamcli validate-tree --no-net --strict "$prefix"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
