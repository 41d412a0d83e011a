#!/usr/bin/env bash
# The Debian package on this machine, as a lab installs, upgrades and removes it: the
# program's folder /opt/quillarbon, which only root may change; the inventory in
# /var/lib/quillarbon, writable by the group quillarbon, reached through the link
# QBData.mdb in the program's folder; the menu entry, the icons and the metainfo; an
# inventory that no install, upgrade, reinstall, removal or purge replaces or deletes;
# and the upgrade from the earlier layout, whose inventory was a file in a program folder
# the group could write. It installs and removes packages and adds a user for a while, so
# it runs as root on a CI machine (.ci/run). An inventory already on the machine is set
# aside first and put back at the end, whatever happens.
# Usage: package.sh BUILD-DIR    (after cpack has made BUILD-DIR/packages/*.deb)
set -euo pipefail
build="$(cd "$1" && pwd)"
folder=/opt/quillarbon
data=/var/lib/quillarbon
inventory="$folder/QBData.mdb" # what the program opens
stored="$data/QBData.mdb"      # the file it leads to
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
# in a journal is lost, and moved back over whatever the test left: from the data folder,
# and from the program's folder where an earlier version left it there.
kept="$(mktemp -d /var/tmp/qb-package-kept.XXXXXX)"
mkdir "$kept/data" "$kept/program"
set_aside() {
    local file="$1" to="$2" j
    [ -f "$file" ] && [ ! -L "$file" ] || return 0
    for j in "" -journal -wal -shm; do
        if [ -e "$file$j" ]; then mv "$file$j" "$to/"; fi
    done
}
put_back() {
    local from="$1" file="$2" j
    [ -e "$from/QBData.mdb" ] || return 0
    for j in "" -journal -wal -shm; do rm -f "$file$j"; done
    mkdir -p "${file%/*}"
    mv "$from"/* "${file%/*}/"
}
data_mode="$(stat -c '%U:%G %a' "$data" 2>/dev/null || true)"
cleanup() {
    # What the member may have put in the program's folder, where a check failed.
    find "$folder" -maxdepth 1 -user "$member" -delete 2>/dev/null || true
    rm -f "$folder/libplanted.so" "$folder/libqb_forms.so.old" "$folder/qb-package-test"
    rm -f "$inventory"-journal "$inventory"-wal "$inventory"-shm
    userdel "$member" 2>/dev/null || true
    put_back "$kept/data" "$stored"
    put_back "$kept/program" "$inventory"
    if [ -n "$data_mode" ] && [ -d "$data" ]; then
        chown "${data_mode% *}" "$data" && chmod "${data_mode#* }" "$data"
    fi
    rm -rf "$kept" "$work"
}
trap cleanup EXIT
set_aside "$stored" "$kept/data"
set_aside "$inventory" "$kept/program"
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

# Adds one record as USER with the installed companion; its output is in $work/added.
add_as() {
    local user="$1" name="$2"
    printf 'NOME,FORMULA,LOCAL\r\n%s,NaCl,Shelf 9\r\n' "$name" >"$work/new.csv"
    chmod 644 "$work/new.csv"
    runuser -u "$user" -- env HOME="$work" "$folder/quillarbon-data" import-csv "$work/new.csv" >"$work/added" 2>&1
}

# The files a running program has mapped: its own, its libraries and plugins, the fonts.
save_maps() {
    sed -n 's|^[^/]*\(/.*\)$|\1|p' "/proc/$1/maps" | grep -v ' (deleted)$' | sort -u >"$work/maps"
}

# What a member of the group could do to the code the program runs, none of which they
# may: write, add, rename or remove a file in the program's folder, or write any file
# the program has mapped as the member ran it, or a folder above one. Only the inventory
# and its journals are theirs to write.
check_code_is_roots() {
    local when="$1" found
    id -nG "$member" | grep -qw quillarbon || fail "$member is not in the group quillarbon"
    touch "$folder/qb-package-test" # a file of root's, for the member to try to remove
    found="$(runuser -u "$member" -- bash -c '
        folder="$1"
        while IFS= read -r f; do
            if [ "${f##*/}" != QBData.mdb ] && (: >>"$f") 2>/dev/null; then echo "wrote $f"; fi
        done < <(find "$folder" -mindepth 1)
        touch "$folder/libQt6Core.so.6" 2>/dev/null && echo "added a library"
        if mv "$folder/libqb_forms.so" "$folder/libqb_forms.so.old" 2>/dev/null; then
            mv "$folder/libqb_forms.so.old" "$folder/libqb_forms.so"
            echo "renamed libqb_forms.so"
        fi
        rm -f "$folder/qb-package-test" 2>/dev/null && echo "removed a file"
        while IFS= read -r f; do
            while [ -n "$f" ]; do
                if [ -w "$f" ] && [ ! -k "$f" ]; then echo "may write $f"; fi
                f="${f%/*}"
            done
        done
        [ -w / ] && echo "may write /"
        true' _ "$folder" < <(grep -vxF -e "$stored" -e "$stored-journal" -e "$stored-wal" -e "$stored-shm" \
        "$work/maps" | grep -v '^/dev/') | sort -u)"
    rm -f "$folder/qb-package-test"
    [ -z "$found" ] || fail "$when, a member of quillarbon can change the code that runs: $found"
    [ "$(wc -l <"$work/maps")" -gt 20 ] || fail "$when, too few mapped files were looked at"
}

# The layout: the program's folder root's, the inventory a link into the data folder.
check_layout() {
    local when="$1"
    [ "$(stat -c '%a %U %G' "$folder")" = "755 root root" ] ||
        fail "$when, the program's folder is $(stat -c '%a %U %G' "$folder"), not root's alone"
    [ -z "$(dpkg-statoverride --list "$folder")" ] || fail "$when, the program's folder has a setting"
    [ "$(readlink "$inventory")" = "$stored" ] || fail "$when, $inventory does not lead to $stored"
    [ "$(stat -c '%a %U %G' "$data")" = "2775 root quillarbon" ] ||
        fail "$when, the data folder is $(stat -c '%a %U %G' "$data"), not group-writable by quillarbon"
    [ "$(stat -c '%a %G' "$stored")" = "664 quillarbon" ] ||
        fail "$when, the inventory is $(stat -c '%a %G' "$stored"), not group-writable by quillarbon"
    local f
    for f in "$inventory" "$stored"; do
        dpkg -S "$f" >/dev/null 2>&1 && fail "$when, the package owns $f"
    done
    return 0
}

# A clean install: the folders, their permissions, the inventory made from the sample.
dpkg --purge quillarbon >"$work/apt.log" 2>&1 || fail "could not purge the package installed before"
install_deb "$deb"
for f in quillarbon quillarbon-data qb_regsvr Zorbel.ocx libqb_forms.so libqb_controls.so controls.reg \
    QBData-sample.mdb; do
    [ -f "$folder/$f" ] || fail "$folder/$f is not installed"
done
check_layout "after a clean install"
cmp -s "$stored" "$folder/QBData-sample.mdb" || fail "the inventory is not the sample"

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

# A member of the group starts the program and adds a record with the companion, but can
# change none of the code.
useradd --system --no-create-home --groups quillarbon "$member"
[ "$(started_while=save_maps start_as "$member")" = loaded ] ||
    fail "the installed program did not load for a member of quillarbon"
check_code_is_roots "after a clean install"
add_as "$member" "Package test chemical" || fail "a member of quillarbon could not add a record: $(cat "$work/added")"
[[ "$(names)" == *"Package test chemical"* ]] || fail "the record is not in the inventory"
before="$(md5sum <"$stored")"

# Someone outside the group may not write the inventory: the program does not fall over,
# it waits on its message, and the companion says why.
[ "$(start_as nobody)" != ended ] || fail "the program ended by itself for a user outside the group"
add_as nobody "Chemical of an outsider" && fail "a user outside quillarbon added a record"
grep -q "read-only" "$work/added" || fail "a user outside quillarbon was not told the file is read-only: $(cat "$work/added")"
[ "$(md5sum <"$stored")" = "$before" ] || fail "a user outside quillarbon changed the inventory"

# Reinstalling, and upgrading to a newer package, leave the inventory alone.
install_deb --reinstall "$deb"
[ "$(md5sum <"$stored")" = "$before" ] || fail "reinstalling changed the inventory"
check_layout "after reinstalling"
dpkg-deb -R "$deb" "$work/newer"
sed -i 's/^Version: .*/&.1/' "$work/newer/DEBIAN/control"
dpkg-deb -b "$work/newer" "$work/quillarbon_newer.deb" >/dev/null
install_deb "$work/quillarbon_newer.deb"
[[ "$(dpkg-query -W -f='${Version}' quillarbon)" == *.1 ]] || fail "the upgrade did not happen"
[ "$(md5sum <"$stored")" = "$before" ] || fail "upgrading changed the inventory"
check_layout "after upgrading"
[ "$(start_as "$member")" = loaded ] || fail "the upgraded program did not load"

# Removing takes the program and its folder and leaves the inventory; so does purging.
apt-get remove -y quillarbon >"$work/apt.log" 2>&1 || fail "apt-get remove failed"
[ ! -e "$folder" ] && [ ! -L "$inventory" ] || fail "the program's folder is still there after removal"
[ ! -e "/usr/share/applications/$app_id.desktop" ] || fail "the menu entry is still there after removal"
[ "$(md5sum <"$stored")" = "$before" ] || fail "removing changed the inventory"
dpkg --purge quillarbon >"$work/apt.log" 2>&1 || fail "dpkg --purge failed"
[ "$(md5sum <"$stored")" = "$before" ] || fail "purging changed the inventory"
[ "$(stat -c '%a %G' "$data")" = "2775 quillarbon" ] || fail "purging changed the data folder"

# Installing again keeps that inventory rather than the sample.
install_deb "$deb"
[ "$(md5sum <"$stored")" = "$before" ] || fail "installing again replaced the inventory"
check_layout "after installing again"
[ "$(start_as "$member")" = loaded ] || fail "the reinstalled program did not load"
[[ "$(names)" == *"Package test chemical"* ]] || fail "the record is gone after purging and installing again"

# From the earlier layout: a package that kept the inventory as a file in the program's
# folder and let the group write that folder.
dpkg --purge quillarbon >"$work/apt.log" 2>&1 || fail "dpkg --purge failed"
rm -f "$stored" "$stored"-*
rmdir "$data" 2>/dev/null || true
dpkg-deb -R "$deb" "$work/earlier"
sed -i 's/^Version: .*/Version: 0.9.0/' "$work/earlier/DEBIAN/control"
rm "$work/earlier/DEBIAN/prerm"
cat >"$work/earlier/DEBIAN/postinst" <<'EOF'
#!/bin/sh
set -e
folder=/opt/quillarbon
inventory="$folder/QBData.mdb"
if [ "$1" = configure ]; then
    getent group quillarbon >/dev/null || groupadd --system quillarbon
    if ! dpkg-statoverride --list "$folder" >/dev/null; then
        dpkg-statoverride --update --add root quillarbon 2775 "$folder"
    fi
    if [ ! -e "$inventory" ] && [ ! -L "$inventory" ]; then
        cp "$folder/QBData-sample.mdb" "$inventory.new"
        chgrp quillarbon "$inventory.new"
        chmod 664 "$inventory.new"
        mv "$inventory.new" "$inventory"
    fi
fi
exit 0
EOF
cat >"$work/earlier/DEBIAN/postrm" <<'EOF'
#!/bin/sh
set -e
folder=/opt/quillarbon
if [ "$1" = purge ] && dpkg-statoverride --list "$folder" >/dev/null; then
    dpkg-statoverride --remove "$folder"
fi
exit 0
EOF
dpkg-deb -b "$work/earlier" "$work/quillarbon_earlier.deb" >/dev/null
install_deb "$work/quillarbon_earlier.deb"
[ -f "$inventory" ] && [ ! -L "$inventory" ] && [ "$(stat -c '%a %G' "$folder")" = "2775 quillarbon" ] ||
    fail "the earlier package did not lay out the earlier folder"
add_as "$member" "Chemical of the earlier layout" || fail "a member could not add a record: $(cat "$work/added")"
# What the group could do then: put a file among the program's (not one it loads, or the
# program would not start below).
runuser -u "$member" -- touch "$folder/libplanted.so"

# A program with the inventory open holds the move back, and nothing is lost meanwhile.
try_upgrade() {
    apt-get install -y "$deb" >"$work/apt.log" 2>&1 && echo upgraded >"$work/upgrade" || echo refused >"$work/upgrade"
}
[ "$(started_while=try_upgrade start_as "$member")" = loaded ] || fail "the earlier package's program did not load"
[ "$(cat "$work/upgrade")" = refused ] || fail "the inventory was moved while a program had it open"
grep -q "dpkg --configure -a" "$work/apt.log" || fail "the refused move did not say what to do: $(cat "$work/apt.log")"
[ -f "$inventory" ] && [ ! -L "$inventory" ] || fail "the refused move did not leave the inventory in place"
[ "$(stat -c '%a %U %G' "$folder")" = "755 root root" ] || fail "the program's folder stayed writable by the group"

# A log of writes not yet in the file, as a program stopped short leaves it, goes along.
python3 - "$inventory" <<'EOF'
import os, sqlite3, sys
db = sqlite3.connect(sys.argv[1], isolation_level=None)
db.execute("PRAGMA journal_mode=WAL")
db.execute("INSERT INTO TOLMIREKS (NOME) VALUES ('Chemical only in the log')")
os._exit(0)  # without closing: the log is not folded into the file
EOF
[ -s "$inventory-wal" ] || fail "no log was left beside the earlier inventory"
file_sum="$(md5sum <"$inventory")"
log_sum="$(md5sum <"$inventory-wal")"

dpkg --configure -a >"$work/apt.log" 2>&1 || {
    cat "$work/apt.log" >&2
    fail "the move did not finish once no program had the inventory open"
}
grep -qF "$folder/libplanted.so" "$work/apt.log" || fail "the upgrade did not name the file the group had put in $folder"
rm "$folder/libplanted.so"
check_layout "after the upgrade from the earlier layout"
[ "$(md5sum <"$stored")" = "$file_sum" ] && [ "$(md5sum <"$stored-wal")" = "$log_sum" ] ||
    fail "the inventory and its log did not arrive byte for byte"
[ -z "$(find "$folder" -name 'QBData.mdb?*')" ] || fail "journal files were left in $folder"
[ "$(started_while=save_maps start_as "$member")" = loaded ] || fail "the program did not load after the upgrade"
check_code_is_roots "after the upgrade from the earlier layout"
add_as "$member" "Chemical after the move" || fail "a member could not add a record after the move: $(cat "$work/added")"
for name in "Chemical of the earlier layout" "Chemical only in the log" "Chemical after the move"; do
    [[ "$(names)" == *"$name"* ]] || fail "\"$name\" is not in the inventory after the upgrade"
done
add_as nobody "Chemical of an outsider" && fail "a user outside quillarbon added a record after the move"
grep -q "read-only" "$work/added" || fail "after the move, a user outside quillarbon was not told the file is read-only"

# The machine as the test found it: the package installed, with its inventory or the sample.
if [ ! -e "$kept/data/QBData.mdb" ] && [ ! -e "$kept/program/QBData.mdb" ]; then
    rm -f "$stored"-*
    cp "$folder/QBData-sample.mdb" "$stored"
fi
echo "package: the code root's alone; install, upgrade (from the earlier layout too), reinstall, remove and purge kept the inventory"
