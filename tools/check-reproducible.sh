#!/usr/bin/env bash
# check-reproducible.sh [--fresh]: builds the release's program files (tools/build-release.sh: the
# Windows program, its installer and zip, the Debian package) twice, from two copies of this tree
# in two folders, with one SOURCE_DATE_EPOCH but another time zone and umask, and compares them
# byte for byte, naming the files that differ. The copies and their build trees are kept under
# build-reproducible/ and built again incrementally next time; --fresh starts them anew. Needs no
# git. Then reads the zip's entry names as each reader of zips does.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
fuel_install tar findutils diffutils unzip p7zip-full python3

work=$FUEL_ROOT/build-reproducible
[ "${1:-}" != --fresh ] || rm -rf "$work"
# Two folders whose paths differ in length too, as two machines' would.
copies=("$work/one/fuelcalc" "$work/the-second-build/elsewhere/fuelcalc-copy")
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date +%s)}

# refresh COPY: the tree's sources, with their times, so that the copy's build trees rebuild only
# what changed; what the tree no longer has goes.
refresh() {
    mkdir -p "$1"
    find "$1" -mindepth 1 -maxdepth 1 ! -name 'build-*' -exec rm -rf {} +
    tar -C "$FUEL_ROOT" --exclude='./build*' --exclude=./dist --exclude=./.git -cf - . | tar -C "$1" -xf -
}

# The files compared: those of the release and the program as it was linked.
shipped() {
    (cd "$1" && ls dist/* build-release-windows/win32/fuelcalc.exe)
}

fuel_steps check-reproducible

fuel_step "build the release's files in $(dirname "${copies[0]}") (UTC, umask 022)"
refresh "${copies[0]}"
(umask 022 && TZ=UTC bash "${copies[0]}/tools/build-release.sh" "${copies[0]}/dist" >/dev/null)
fuel_step_passed

fuel_step "build them again in $(dirname "${copies[1]}") (Asia/Shanghai, umask 002)"
refresh "${copies[1]}"
(umask 002 && TZ=Asia/Shanghai bash "${copies[1]}/tools/build-release.sh" "${copies[1]}/dist" >/dev/null)
fuel_step_passed

fuel_step "the two builds are the same bytes"
[ "$(shipped "${copies[0]}")" = "$(shipped "${copies[1]}")" ] ||
    fuel_fail "the builds wrote different files: $(shipped "${copies[0]}") and $(shipped "${copies[1]}")"
differ=0
while read -r file; do
    if cmp -s "${copies[0]}/$file" "${copies[1]}/$file"; then
        echo "same      $(sha256sum <"${copies[0]}/$file" | cut -d' ' -f1)  $file"
    else
        differ=1
        echo "DIFFERENT $file; the first differing bytes (offset, octal values):"
        cmp -l "${copies[0]}/$file" "${copies[1]}/$file" | head -n 10 || true
        if command -v diffoscope >/dev/null; then
            diffoscope "${copies[0]}/$file" "${copies[1]}/$file" | head -n 60 || true
        else
            echo "  (diffoscope, if installed, would say where: diffoscope ${copies[0]}/$file ${copies[1]}/$file)"
        fi
    fi
done < <(shipped "${copies[0]}")
[ "$differ" -eq 0 ] || fuel_fail "two builds of one tree differ"
fuel_step_passed

# What the officer sees in the zip: Info-ZIP's unzip and 7-Zip list the names, and Windows 7's zip
# folders read each name's bytes in the system's code page, 936 on a Chinese Windows.
fuel_step "the zip's entries read fuelcalc.exe and README.txt in unzip, 7-Zip and code page 936"
zip=$(ls "${copies[0]}"/dist/fuelcalc-*-windows.zip)
expected=$'fuelcalc.exe\nREADME.txt'
in_unzip=$(unzip -Z1 "$zip")
in_7zip=$(7z l -slt "$zip" | sed -n 's/^Path = //p' | tail -n +2)
in_cp936=$(python3 -c '
import sys, zipfile
for entry in zipfile.ZipFile(sys.argv[1]).infolist():
    raw = entry.filename.encode("utf-8" if entry.flag_bits & 0x800 else "cp437")
    print(raw.decode("cp936"))' "$zip")
for reader in unzip 7zip cp936; do
    names=in_$reader
    [ "${!names}" = "$expected" ] || fuel_fail "$reader reads the zip's names as: ${!names}"
done
fuel_step_passed
