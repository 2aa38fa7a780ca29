#!/usr/bin/env bash
# build-release.sh DIR: builds, from the tree it stands in, the release's program files into DIR,
# VERSION being CMake's project(VERSION):
#   fuelcalc-VERSION-setup.exe    the per-user Windows installer
#   fuelcalc-VERSION-windows.zip  the portable fuelcalc.exe and its manual README.txt
#   fuelcalc_VERSION_ARCH.deb     the Debian package, as tools/check-deb.sh checks it
# Every time in them is SOURCE_DATE_EPOCH, which must be set (tools/release.sh sets the commit's),
# so that two builds of one tree are the same bytes wherever and whenever they run. Signed with
# Authenticode when FUEL_SIGN_PKCS12 and FUEL_SIGN_PASSWORD_FILE name a certificate and its
# password (tools/sign-windows.sh). Needs no git: tools/check-reproducible.sh runs it in copies.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
fuel_install cmake make g++-mingw-w64-i686-posix nsis python3

dist=$(mkdir -p "$1" && cd "$1" && pwd)
: "${SOURCE_DATE_EPOCH:?is not set: every time in the release is taken from it}"
export SOURCE_DATE_EPOCH
# The zip stores local times, and the staged files take the caller's umask.
export TZ=UTC
umask 022

build=$FUEL_ROOT/build-release-windows
log=$build/build-release.log
mkdir -p "$build"
: >"$log"

sign=()
signed=OFF
if [ -n "${FUEL_SIGN_PKCS12:-}" ] || [ -n "${FUEL_SIGN_PASSWORD_FILE:-}" ]; then
    [ -f "${FUEL_SIGN_PKCS12:-}" ] && [ -f "${FUEL_SIGN_PASSWORD_FILE:-}" ] || {
        echo "FUEL_SIGN_PKCS12 and FUEL_SIGN_PASSWORD_FILE must both name files" >&2
        exit 1
    }
    fuel_install osslsigncode
    # makensis runs the signing command from folders of its own.
    FUEL_SIGN_PKCS12=$(realpath "$FUEL_SIGN_PKCS12")
    FUEL_SIGN_PASSWORD_FILE=$(realpath "$FUEL_SIGN_PASSWORD_FILE")
    export FUEL_SIGN_PKCS12 FUEL_SIGN_PASSWORD_FILE
    sign=(bash "$FUEL_ROOT/tools/sign-windows.sh")
    signed=ON
    echo "Signing fuelcalc.exe, the installer and its uninstaller with $FUEL_SIGN_PKCS12" >&2
else
    echo "Not signing: FUEL_SIGN_PKCS12 and FUEL_SIGN_PASSWORD_FILE name no certificate" >&2
fi

# The program alone, linked afresh: the last release's signed copy is never taken for it.
exe=$build/win32/fuelcalc.exe
rm -f "$exe"
fuel_build release-windows --target fuelcalc -DFUEL_SIGNED=$signed >>"$log" 2>&1 || { cat "$log" >&2; exit 1; }
[ ${#sign[@]} -eq 0 ] || "${sign[@]}" "$exe"
version=$(fuel_version)

# The installer installs that same fuelcalc.exe (CPack stages it from the build tree).
sign_command=
[ ${#sign[@]} -eq 0 ] || printf -v sign_command '%q ' "${sign[@]}"
rm -f "$build"/fuelcalc-*-setup.exe
(cd "$build" && cpack -G NSIS -D FUEL_SIGN_COMMAND="$sign_command" >>"$log" 2>&1) ||
    { cat "$log" >&2; exit 1; }
cp "$build/fuelcalc-$version-setup.exe" "$dist/"

# The zip: plain ASCII names, which every reader of zips shows alike (Windows 7's zip folders read
# a name in the system's code page, later Windows and unzip read the UTF-8 flag, 7-Zip either), in
# a fixed order, the commit's time, no extra fields (owners, Unix times) that would differ from one
# build machine to another.
manual=$build/packaging/windows/README.txt
[ "$(head -c 3 "$manual" | od -An -tx1 | tr -d ' ')" = efbbbf ] && ! grep -qv $'\r$' "$manual" ||
    { echo "$manual must begin with a UTF-8 byte-order mark and end every line in CR LF" >&2; exit 1; }
# Debian's Python, whatever else is on the PATH: its version is one that BUILDINFO.txt records.
/usr/bin/python3 - "$dist/fuelcalc-$version-windows.zip" "$SOURCE_DATE_EPOCH" "$exe" "$manual" <<'PYTHON'
import os, sys, time, zipfile
archive, epoch, files = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
with zipfile.ZipFile(archive, "w") as out:
    for path in files:
        name = os.path.basename(path)
        assert name.isascii(), name
        entry = zipfile.ZipInfo(name, time.gmtime(epoch)[:6])
        entry.compress_type = zipfile.ZIP_DEFLATED
        entry.create_system = 3
        entry.external_attr = (0o100755 if path.endswith(".exe") else 0o100644) << 16
        with open(path, "rb") as f:
            out.writestr(entry, f.read(), compresslevel=9)
PYTHON

deb=$(bash "$FUEL_ROOT/tools/build-deb.sh")
cp "$deb" "$dist/"
