#!/usr/bin/env bash
# buildinfo.sh COMMIT: prints the record of what builds the release of COMMIT from this tree, as
# Debian's .buildinfo files do for a package: a header (the product, its version, the commit, the
# architecture and Debian release built on, and each program the build runs that no Debian package
# installed, with the version it gives), a blank line, then `PACKAGE VERSION` for each Debian
# package whose programs, libraries or headers make the release's files, sorted. Whoever rebuilds
# a release installs those versions to get the bytes SHA256SUMS names. It holds no time, machine,
# user or folder, so that two runs for one commit on one system print the same bytes. Fails,
# naming them, when some of those packages are not installed: no release was built here.
# buildinfo.sh --compare FILE: prints each package whose installed version is not the one FILE
# records (or that is not installed, or that the build uses and FILE does not list), and a Debian
# release or a program outside the packages that is not FILE's, then exits 1; when everything
# matches, says so in one line and exits 0.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

usage="usage: $0 COMMIT | $0 --compare FILE"
case ${1:-}:$# in
--compare:2) ;;
-*:* | :*) echo "$usage" >&2; exit 2 ;;
*:1) ;;
*) echo "$usage" >&2; exit 2 ;;
esac
native=$(dpkg --print-architecture)

# The packages that build the release whatever their files: the Windows program's cross toolchain,
# the installer's NSIS and CPack, the zip's Python, the Debian package's compiler, Qt and dpkg
# tools, the sources' git, and what compresses and archives them all. The packages their files
# come from, which differ from one Debian release to another, are found below.
base_packages=(
    g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix-runtime binutils-mingw-w64-i686
    mingw-w64-i686-dev
    g++ gcc binutils make
    nsis cmake python3 zlib1g
    qt6-base-dev libqt6core6 libqt6gui6 libqt6widgets6
    dpkg dpkg-dev git gzip tar
)
# Signing puts osslsigncode's signatures into the Windows files.
[ -z "${FUEL_SIGN_PKCS12:-}" ] || base_packages+=(osslsigncode)

# The programs the build runs.
build_programs=(
    i686-w64-mingw32-g++-posix i686-w64-mingw32-windres makensis cmake cpack /usr/bin/python3
    g++ dpkg-deb dpkg-shlibdeps git gzip tar
)

# installed_version PACKAGE: its version, when it is installed for this machine's architecture
# (or for all); nothing otherwise. With wine32:i386 beside it, a library is installed twice.
installed_version() {
    { dpkg-query -W -f='${db:Status-Status} ${Architecture} ${Version}\n' "$1" 2>/dev/null || true; } |
        awk -v native="$native" '$1 == "installed" && ($2 == native || $2 == "all") { print $3; exit }'
}

# search < PATHS: `PACKAGE PATH` for each package that installed one of the files named. dpkg
# reads its whole database for each search, so all are searched at once. On a merged /usr, dpkg
# may know a file of /usr/bin by its /bin name.
search() {
    local paths=() queries=() path line
    mapfile -t paths
    for path in "${paths[@]}"; do
        queries+=("$path")
        [ "${path#/usr/}" = "$path" ] || queries+=("${path#/usr}")
    done
    [ ${#queries[@]} -gt 0 ] || return 0
    # "pkg1, pkg2:arch: /path"; diversions say so on lines of their own.
    { dpkg-query -S "${queries[@]}" 2>/dev/null || true; } | { grep -v '^diversion by ' || true; } |
        while IFS= read -r line; do
            path=${line##*: }
            [[ " ${paths[*]} " != *" /usr$path "* ]] || path=/usr$path
            tr -s ', ' '\n' <<<"${line%: *}" | sed "s|:.*||; s|\$| $path|"
        done
}

# compiler_files COMPILER [FILE...]: the compiler's own programs, its linker and assembler, and
# the libraries and start files it links into a program (those given too); a FILE ending in .h is
# the header that `#include <FILE>` reads.
compiler_files() {
    local compiler=$1 name path
    shift
    command -v "$compiler" >/dev/null || return 0
    for name in cc1plus collect2 lto-wrapper; do
        path=$("$compiler" -print-prog-name="$name")
        [ "$path" = "$name" ] || readlink -f "$path"
    done
    # Where GCC has no linker of its own it runs the target's (i686-w64-mingw32-ld) or the one on
    # the PATH.
    for name in ld as; do
        path=$("$compiler" -print-prog-name="$name")
        [ "$path" != "$name" ] ||
            path=$(command -v "${compiler%-g++*}-$name" || command -v "$name") || continue
        readlink -f "$path"
    done
    for name in libstdc++.a libgcc.a libgcc_eh.a "$@"; do
        if [[ $name == *.h ]]; then
            path=$("$compiler" -x c++ -M - <<<"#include <$name>" | sed -n '1s/^-: \([^ ]*\).*/\1/p')
            readlink -f "$path"
        else
            path=$("$compiler" -print-file-name="$name")
            [ "$path" = "$name" ] || readlink -f "$path"
        fi
    done
}

# `PROGRAM FILE` for each program of the build that is there: the file that runs for it. The
# Python that writes the zip is Debian's (tools/build-release.sh), whose /usr/bin/python3 is a link,
# so Python says where it is; it names the zipfile module it reads too, as `zipfile FILE`.
program_files() {
    local program path
    for program in "${build_programs[@]}"; do
        path=$(command -v "$program") || continue
        if [ "$program" = /usr/bin/python3 ]; then
            "$path" -c 'import os, sys, zipfile
print("python3", os.path.realpath(sys.executable))
print("zipfile", os.path.realpath(zipfile.__file__))'
        else
            echo "$program $(readlink -f "$path")"
        fi
    done
}

programs=$(program_files)
owned=$(
    {
        cut -d' ' -f2- <<<"$programs"
        compiler_files i686-w64-mingw32-g++-posix libwinpthread.a libmingw32.a crt2.o windows.h
        compiler_files g++ crt1.o libc.so
        # CPack's NSIS and DEB generators are CMake modules, packaged apart from the program.
        if command -v cmake >/dev/null; then
            echo "/usr/share/cmake-$(cmake --version |
                sed -n 's/^cmake version \([0-9]*\.[0-9]*\).*/\1/p')/Modules/CPack.cmake"
        fi
        # makensis writes its stubs and plug-ins into the installer.
        ! command -v makensis >/dev/null || echo /usr/share/nsis/Stubs
    } | search
)

# The record's list, sorted: PACKAGE VERSION, or PACKAGE alone when it is not installed.
package_versions() {
    local package
    {
        printf '%s\n' "${base_packages[@]}"
        cut -d' ' -f1 <<<"$owned"
        # Debian's own python3 runs python3.X.
        [ ! -e /usr/bin/python3 ] || basename "$(readlink -f /usr/bin/python3)"
    } | grep -v '^$' | sort -u | while read -r package; do
        echo "$package $(installed_version "$package")"
    done | sed 's/ $//'
}

# `Unpackaged: PROGRAM VERSION` for each program of the build that no package installed.
unpackaged() {
    local program path version
    while read -r program path; do
        if [ "$program" = zipfile ] || grep -qxF -- "$path" < <(cut -d' ' -f2- <<<"$owned"); then
            continue
        fi
        version=$("$program" --version 2>&1 || true)
        echo "Unpackaged: $program ${version%%$'\n'*}"
    done <<<"$programs"
}

debian_release() {
    cat /etc/debian_version
}

record() {
    local commit=$1 list missing
    list=$(package_versions)
    missing=$(grep -v ' ' <<<"$list" || true)
    if [ -n "$missing" ]; then
        echo "These packages that build the release are not installed: ${missing//$'\n'/ }" >&2
        return 1
    fi
    cat <<EOF
Format: fuelcalc-buildinfo 1
Product: $(sed -n 's/^set(FUEL_PRODUCT_NAME "\(.*\)")$/\1/p' "$FUEL_ROOT/CMakeLists.txt") (fuelcalc)
Version: $(fuel_version)
Commit: $commit
Architecture: $native
Debian: $(debian_release)
EOF
    unpackaged
    printf '\n%s\n' "$list"
}

compare() {
    local file=$1 recorded_debian list line package version installed differ=0 count=0
    [ -r "$file" ] || { echo "cannot read $file" >&2; return 2; }
    recorded_debian=$(sed -n 's/^Debian: //p' "$file")
    # The packages follow the header's blank line.
    list=$(sed '1,/^$/d' "$file")
    if [ -z "$recorded_debian" ] || [ -z "$list" ]; then
        echo "$file is not a build record" >&2
        return 2
    fi
    if [ "$recorded_debian" != "$(debian_release)" ]; then
        echo "Debian: $file has $recorded_debian, this system is $(debian_release)"
        differ=1
    fi
    while read -r line; do
        case $line in
        "< "*) echo "${line#< }: in $file, not on this system" ;;
        "> "*) echo "${line#> }: on this system, not in $file" ;;
        *) continue ;;
        esac
        differ=1
    done < <(diff <(grep '^Unpackaged: ' "$file" || true) <(unpackaged) || true)
    while read -r package version; do
        count=$((count + 1))
        installed=$(installed_version "$package")
        if [ -z "$installed" ]; then
            echo "$package: $file has ${version:-no version}, not installed"
            differ=1
        elif [ "$installed" != "$version" ]; then
            echo "$package: $file has ${version:-no version}, installed $installed"
            differ=1
        fi
    done <<<"$list"
    while read -r package version; do
        if ! cut -d' ' -f1 <<<"$list" | grep -qxF -- "$package"; then
            echo "$package: installed ${version:-nowhere}, the build uses it and $file does not list it"
            differ=1
        fi
    done < <(package_versions)
    [ "$differ" -eq 0 ] || return 1
    echo "The $count packages and Debian $recorded_debian are those of $file."
}

if [ "$1" = --compare ]; then
    compare "$2"
else
    record "$1"
fi
