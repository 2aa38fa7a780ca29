#!/usr/bin/env bash
# check-executable.sh OBJDUMP EXE WINDOWS7_IMPORTS VERSION: the executable as the Windows loader and
# Explorer read it.
# - The manifest names the architecture of the exe it is in: Windows refuses to start an exe
#   whose manifest names another ("the application has failed to start because its side-by-side
#   configuration is incorrect").
# - Every function it imports is one that Windows 7 SP1 has (WINDOWS7_IMPORTS lists those checked):
#   one missing function stops the program at start on such a machine. Newer functions are looked
#   up at run time instead; mingw-w64's headers and static libraries can bring them in silently.
# - Its header says Windows 7 (6.1) as the system and subsystem it was made for: Windows gives a
#   program that says less (the linker's default is 4.0) the frame metrics of the systems before
#   Vista, and the window's frame then no longer fits its client area.
# - Its version resource, which Explorer's Properties and the installer's readers show, says the
#   version being built.
set -euo pipefail

objdump=$1
exe=$2
windows7_imports=$3
version=$4
failed=0

headers=$("$objdump" -p "$exe")

case $("$objdump" -f "$exe" | sed -n 's/.*file format //p') in
pei-i386) machine=x86 ;;
pei-x86-64) machine=amd64 ;;
*) machine=unknown ;;
esac
# The first processorArchitecture is the program's own identity; the dependency on the common
# controls that follows it names "*".
architectures=$(grep -ao 'processorArchitecture="[^"]*"' "$exe")
manifest=$(cut -d'"' -f2 <<<"${architectures%%$'\n'*}")
if [ "$manifest" = "$machine" ]; then
    echo "ok: the manifest names $manifest, the exe's machine type"
else
    echo "FAILED: the manifest names '$manifest' in an exe for $machine"
    failed=1
fi

versions=$(awk '$1 ~ /^(MajorOSystemVersion|MinorOSystemVersion|MajorSubsystemVersion|MinorSubsystemVersion)$/ { printf "%s ", $2 }' <<<"$headers")
if [ "$versions" = "6 1 6 1 " ]; then
    echo "ok: the header says Windows 6.1 for the system and the subsystem"
else
    echo "FAILED: the header's system and subsystem versions are $versions, not 6 1 6 1"
    failed=1
fi

# The resource's strings are UTF-16, each value right after its name.
resource=$(strings -el "$exe")
for name in FileVersion ProductVersion; do
    value=$(awk -v name="$name" 'found { print; exit } $0 == name { found = 1 }' <<<"$resource")
    if [ "$value" = "$version" ]; then
        echo "ok: the version resource's $name is $version"
    else
        echo "FAILED: the version resource's $name is '$value', not $version"
        failed=1
    fi
done

# "DLL Name: X" starts each DLL's list; its functions follow as "vma hint name".
imports=$(awk '/DLL Name:/ { dll = toupper($3) }
               /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll " " $3 }' <<<"$headers" | sort -u)
[ -n "$imports" ] || { echo "FAILED: no imports read from $exe"; exit 1; }
unknown=$(comm -23 <(echo "$imports") <(grep -v '^#' "$windows7_imports" | sort -u))
if [ -z "$unknown" ]; then
    echo "ok: all $(wc -l <<<"$imports") imported functions are on Windows 7 SP1"
else
    echo "FAILED: imports not known to be on Windows 7 SP1 (load them at run time, or check them"
    echo "against Windows 7 and add them to $(basename "$windows7_imports")):"
    echo "$unknown"
    failed=1
fi
exit $failed
