#!/usr/bin/env bash
# The program's folder works wherever it lies: installed, or copied from the build, then
# moved to a path with a space, with nothing of the build folder in reach.
# Usage: relocate.sh BUILD-DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/started.sh"

# The program started with an environment that names no library folder.
start() {
    local folder="$1"
    (cd / && started "$folder" env -i PATH=/usr/bin:/bin HOME="$work" QT_QPA_PLATFORM=offscreen "$folder/quillarbon")
}

# Every binary finds its libraries beside itself, and the registration names the control
# library relative to itself.
check_self_contained() {
    local folder="$1" f runpath
    for f in quillarbon quillarbon-data qb_regsvr Zorbel.ocx libqb_forms.so libqb_controls.so; do
        [ -e "$folder/$f" ] || continue
        runpath="$(readelf -d "$folder/$f" | sed -n 's/.*R\(UN\)\?PATH.*\[\(.*\)\]/\2/p')"
        [ "$runpath" = '$ORIGIN' ] || fail "$f has the library path '$runpath', not \$ORIGIN"
    done
    local libraries
    for f in quillarbon Zorbel.ocx; do
        libraries="$(env -i ldd "$folder/$f")"
        [[ "$libraries" == *"libqb_forms.so => $folder/libqb_forms.so "* ]] ||
            fail "$f does not take libqb_forms.so from its own folder: $libraries"
    done
    [[ "$(cat "$folder/controls.reg")" != *"$build"* ]] || fail "controls.reg names the build folder"
}

expect_loaded() {
    local folder="$1" state
    state="$(start "$folder")"
    [ "$state" = loaded ] || fail "the program in $folder did not load its window with its link: $state"
}

# The install lays out the folder, and nothing else.
cmake --install "$build" --prefix "$work/installed" >/dev/null
listing="$(cd "$work/installed" && LC_ALL=C ls -A | tr '\n' ' ')"
expected="QBData-sample.mdb QBData.mdb Zorbel.ocx controls.reg libqb_controls.so libqb_forms.so qb_regsvr quillarbon quillarbon-data "
[ "$listing" = "$expected" ] || fail "installed: $listing; expected: $expected"
cmp -s "$work/installed/QBData.mdb" "$work/installed/QBData-sample.mdb" || fail "the inventory is not the sample"

mkdir "$work/moved here"
mv "$work/installed" "$work/moved here/quillarbon"
moved="$work/moved here/quillarbon"
check_self_contained "$moved"
expect_loaded "$moved"

# Installing again keeps the inventory there, with a record added since.
printf 'NOME,FORMULA\r\nRelocated chemical,H2O\r\n' >"$work/new.csv"
(cd / && env -i ASAN_OPTIONS=detect_leaks=0 "$moved/quillarbon-data" import-csv "$work/new.csv" >/dev/null) ||
    fail "quillarbon-data could not add a record"
before="$(md5sum <"$moved/QBData.mdb")"
cmake --install "$build" --prefix "$moved" >/dev/null
[ "$(md5sum <"$moved/QBData.mdb")" = "$before" ] || fail "installing again replaced the inventory"
expect_loaded "$moved"

# The build's own folder, copied away, works the same.
built="$work/built copy"
mkdir "$built"
for f in quillarbon Zorbel.ocx libqb_forms.so libqb_controls.so controls.reg QBData.mdb; do
    cp "$build/bin/$f" "$built/"
done
check_self_contained "$built"
expect_loaded "$built"

# Without its control library the window cannot have its link.
rm "$built/Zorbel.ocx"
state="$(started_seconds=8 start "$built")"
[ "$state" != loaded ] || fail "the program loaded a link without Zorbel.ocx"

echo "relocation: the installed and the built folder work where they were moved"
