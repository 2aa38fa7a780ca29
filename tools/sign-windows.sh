#!/usr/bin/env bash
# sign-windows.sh FILE: signs the Windows program FILE in place with Authenticode (SHA-256), with
# the certificate of the PKCS#12 file FUEL_SIGN_PKCS12, whose password is in the file
# FUEL_SIGN_PASSWORD_FILE. The signing time is SOURCE_DATE_EPOCH when it is set, so that a
# release signed twice with one certificate is the same bytes. tools/build-release.sh runs it on
# fuelcalc.exe, and makensis on the installer and on the uninstaller it carries.
set -euo pipefail

file=$1
: "${FUEL_SIGN_PKCS12:?names no PKCS#12 file}" "${FUEL_SIGN_PASSWORD_FILE:?names no password file}"
time=()
[ -z "${SOURCE_DATE_EPOCH:-}" ] || time=(-time "$SOURCE_DATE_EPOCH")

# The password is read from its file, never given on a command line that ps would show.
osslsigncode sign -pkcs12 "$FUEL_SIGN_PKCS12" -readpass "$FUEL_SIGN_PASSWORD_FILE" -h sha256 \
    -n "船舶主副机油耗计算器" -i https://github.com/fuelcalc/fuelcalc "${time[@]}" \
    -in "$file" -out "$file.signed" >/dev/null
mv "$file.signed" "$file"
