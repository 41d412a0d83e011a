#!/usr/bin/env bash
# The Debian package on this machine, as a lab installs, upgrades and removes it: the
# folder under /opt/quillarbon, writable by the group quillarbon, the menu entry, the
# icons and the metainfo; and an inventory that no install, upgrade, reinstall, removal
# or purge replaces or deletes. It installs and removes packages and adds a user for a
# while, so it runs as root on a CI machine (.ci/run). An inventory already in
# /opt/quillarbon is set aside first and put back at the end, whatever happens.
# Usage: package.sh BUILD-DIR    (after cpack has made BUILD-DIR/packages/*.deb)
set -euo pipefail
build="$(cd "$1" && pwd)"
folder=/opt/quillarbon
inventory="$folder/QBData.mdb"
app_id=org.quillarbon.Quillarbon
member=qb-package-test
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[ "$(id -u)" -eq 0 ] || fail "run as root: the test installs and removes the package"
debs=("$build"/packages/quillarbon_*_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single package in $build/packages: run cpack first"
deb="${debs[0]}"

work="$(mktemp -d)"
chmod 755 "$work"
# The machine's own inventory with its journal files, moved aside whole so that nothing
# in a journal is lost, and moved back over whatever the test left.
kept="$(mktemp -d /var/tmp/qb-package-kept.XXXXXX)"
cleanup() {
    userdel "$member" 2>/dev/null || true
    if [ -e "$kept/QBData.mdb" ]; then
        rm -f "$inventory" "$inventory"-journal "$inventory"-wal "$inventory"-shm
        mkdir -p "$folder" && mv "$kept"/* "$folder/" && rmdir "$kept"
    else
        rmdir "$kept" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
for f in "$inventory" "$inventory"-journal "$inventory"-wal "$inventory"-shm; do
    if [ -e "$f" ]; then mv "$f" "$kept/"; fi
done
export DEBIAN_FRONTEND=noninteractive QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0

install_deb() {
    apt-get install -y --allow-downgrades "$@" >"$work/apt.log" 2>&1 || {
        cat "$work/apt.log" >&2
        fail "apt-get install $* failed"
    }
}

# What the inventory holds, by the build's own companion (the package may be gone).
names() {
    "$build/bin/quillarbon-data" --file "$inventory" export-csv --out "$work/names.csv" >/dev/null
    cat "$work/names.csv"
}

source "$(dirname "${BASH_SOURCE[0]}")/started.sh"

# The installed program, started by a user of the machine: how far it got.
start_as() {
    local user="$1"
    started "$folder" runuser -u "$user" -- env HOME="$work" QT_QPA_PLATFORM=offscreen "$folder/quillarbon"
}

# A clean install: the folder, its permissions, the inventory made from the sample.
dpkg --purge quillarbon >"$work/apt.log" 2>&1 || fail "could not purge the package installed before"
install_deb "$deb"
for f in quillarbon quillarbon-data qb_regsvr Zorbel.ocx libqb_forms.so libqb_controls.so controls.reg \
    QBData-sample.mdb; do
    [ -f "$folder/$f" ] || fail "$folder/$f is not installed"
done
cmp -s "$inventory" "$folder/QBData-sample.mdb" || fail "the inventory is not the sample"
[ "$(stat -c '%a %U %G' "$folder")" = "2775 root quillarbon" ] ||
    fail "the folder is $(stat -c '%a %U %G' "$folder"), not group-writable by quillarbon"
[ "$(stat -c '%a %G' "$inventory")" = "664 quillarbon" ] ||
    fail "the inventory is $(stat -c '%a %G' "$inventory"), not group-writable by quillarbon"
dpkg -S "$inventory" >/dev/null 2>&1 && fail "the package owns the inventory"

# The desktop's files (.ci/run validates the entry and the metainfo).
grep -qx "Categories=Education;Science;Chemistry;" "/usr/share/applications/$app_id.desktop" ||
    fail "the desktop entry's categories"
grep -qx "Exec=$folder/quillarbon" "/usr/share/applications/$app_id.desktop" || fail "the desktop entry's command"
[ -f "/usr/share/metainfo/$app_id.metainfo.xml" ] || fail "no metainfo"
[ -f "/usr/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "no scalable icon"
for size in 48 256; do
    kind="$(file "/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")"
    [[ "$kind" == *"PNG image data, $size x $size"* ]] || fail "the $size px icon: $kind"
done

# A member of the group starts the program and adds a record with the companion.
useradd --system --no-create-home --groups quillarbon "$member"
[ "$(start_as "$member")" = loaded ] || fail "the installed program did not load for a member of quillarbon"
printf 'NOME,FORMULA,LOCAL\r\nPackage test chemical,NaCl,Shelf 9\r\n' >"$work/new.csv"
chmod 644 "$work/new.csv"
runuser -u "$member" -- env HOME="$work" "$folder/quillarbon-data" import-csv "$work/new.csv" >/dev/null ||
    fail "a member of quillarbon could not add a record"
[[ "$(names)" == *"Package test chemical"* ]] || fail "the record is not in the inventory"
before="$(md5sum <"$inventory")"

# Someone outside the group may not write the inventory: the program does not fall over,
# it waits on its message (the message itself is checked by the program's tests).
[ "$(start_as nobody)" != ended ] || fail "the program ended by itself for a user outside the group"

# Reinstalling, and upgrading to a newer package, leave the inventory alone.
install_deb --reinstall "$deb"
[ "$(md5sum <"$inventory")" = "$before" ] || fail "reinstalling changed the inventory"
dpkg-deb -R "$deb" "$work/newer"
sed -i 's/^Version: .*/&.1/' "$work/newer/DEBIAN/control"
dpkg-deb -b "$work/newer" "$work/quillarbon_newer.deb" >/dev/null
install_deb "$work/quillarbon_newer.deb"
[[ "$(dpkg-query -W -f='${Version}' quillarbon)" == *.1 ]] || fail "the upgrade did not happen"
[ "$(md5sum <"$inventory")" = "$before" ] || fail "upgrading changed the inventory"
[ "$(stat -c '%a %G' "$folder")" = "2775 quillarbon" ] || fail "upgrading changed the folder's permissions"
[ "$(start_as "$member")" = loaded ] || fail "the upgraded program did not load"

# Removing and purging take the program and leave the inventory.
apt-get remove -y quillarbon >"$work/apt.log" 2>&1 || fail "apt-get remove failed"
[ ! -e "$folder/quillarbon" ] || fail "the program is still there after removal"
[ ! -e "/usr/share/applications/$app_id.desktop" ] || fail "the menu entry is still there after removal"
[ "$(md5sum <"$inventory")" = "$before" ] || fail "removing changed the inventory"
dpkg --purge quillarbon >"$work/apt.log" 2>&1 || fail "dpkg --purge failed"
[ "$(md5sum <"$inventory")" = "$before" ] || fail "purging changed the inventory"
[[ "$(names)" == *"Package test chemical"* ]] || fail "the record is gone after purging"

# Installing again keeps that inventory rather than the sample.
install_deb "$deb"
[ "$(md5sum <"$inventory")" = "$before" ] || fail "installing again replaced the inventory"
[ "$(start_as "$member")" = loaded ] || fail "the reinstalled program did not load"

# The machine as the test found it: the package installed, with its inventory or the sample.
[ -e "$kept/QBData.mdb" ] || cp "$folder/QBData-sample.mdb" "$inventory"
echo "package: install, upgrade, reinstall, remove and purge kept the inventory"
