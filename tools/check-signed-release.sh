#!/usr/bin/env bash
# check-signed-release.sh: makes a throwaway code-signing certificate with openssl, builds the
# release's program files signed with it (tools/build-release.sh), and checks each Authenticode
# signature with osslsigncode: fuelcalc.exe in the zip, the installer, and, once the installer has
# installed them under Wine, the fuelcalc.exe and the uninstaller it wrote; the signed installer
# installs, starts and removes the program as tools/check-windows-installer.sh checks (64-bit
# Windows). Needs no git.
# check-signed-release.sh FILE...: only checks that those files are signed with that certificate
# (the installer check calls it so on the installed files).
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
fuel_install openssl osslsigncode unzip "${fuel_windows_packages[@]}"

work=$FUEL_ROOT/build-signed-release
certificate=$work/certificate.pem
signer="fuelcalc throwaway test signer"

# verify FILE...: each file carries a valid SHA-256 Authenticode signature by the throwaway
# certificate.
verify() {
    local file result
    for file in "$@"; do
        result=$(osslsigncode verify -CAfile "$certificate" -in "$file" 2>&1) &&
            grep -q '^Signature verification: ok' <<<"$result" &&
            grep -q "Subject: /CN=$signer\$" <<<"$result" &&
            grep -qi 'Message digest algorithm *: SHA256' <<<"$result" || {
            echo "$result" | tail -n 20
            echo "$file is not signed by the certificate $certificate"
            return 1
        }
        echo "signed by $signer: $file"
    done
}

if [ $# -gt 0 ]; then
    verify "$@"
    exit
fi

fuel_steps check-signed-release

fuel_step "a throwaway code-signing certificate (openssl), its password in a file"
rm -rf "$work"
mkdir -p -m 700 "$work"
openssl rand -hex 16 >"$work/password"
openssl req -x509 -newkey rsa:3072 -nodes -keyout "$work/key.pem" -out "$certificate" -days 2 \
    -subj "/CN=$signer" -addext extendedKeyUsage=codeSigning -addext keyUsage=digitalSignature \
    2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$certificate" -out "$work/certificate.p12" \
    -passout "file:$work/password"
fuel_step_passed

fuel_step "build the release's program files signed with it"
dist=$work/dist
build_log=$work/build-release.log
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date +%s)} \
    FUEL_SIGN_PKCS12=$work/certificate.p12 FUEL_SIGN_PASSWORD_FILE=$work/password \
    bash "$FUEL_ROOT/tools/build-release.sh" "$dist" 2>"$build_log" >/dev/null ||
    { cat "$build_log"; false; }
cat "$build_log"
installers=("$dist"/fuelcalc-*-setup.exe)
zips=("$dist"/fuelcalc-*-windows.zip)
unzip -q -o "${zips[0]}" fuelcalc.exe -d "$work/zip"
fuel_step_passed

fuel_step "fuelcalc.exe in the zip and the installer are signed"
verify "$work/zip/fuelcalc.exe" "${installers[0]}"
fuel_step_passed

fuel_step "the same program without its signature fails the check"
osslsigncode remove-signature -in "$work/zip/fuelcalc.exe" -out "$work/unsigned.exe" >/dev/null
! verify "$work/unsigned.exe" >/dev/null || fuel_fail "an unsigned fuelcalc.exe passed as signed"
fuel_step_passed

if fuel_runs_32bit; then
    fuel_step "the signed installer installs signed files, starts the program and removes it under Wine"
    bash "$FUEL_ROOT/tools/check-windows-installer.sh" --installer "${installers[0]}" \
        --program "$work/zip/fuelcalc.exe" --check-installed "$0" wow64
    fuel_step_passed
else
    echo "SKIPPED: the signed installer under Wine, and the signatures of the files it writes:" \
        "this machine's kernel runs no 32-bit program, and the installer is one"
fi
