#!/usr/bin/env bash
# check-docs.sh: checks README.md and docs/*.md, and names each line at fault:
#   - no release file is named with a version number (fuelcalc-1..., fuelcalc_1...), and the
#     version being built (project(VERSION)) is written nowhere: files are named by pattern,
#     fuelcalc-<version>-setup.exe, so that the next release cannot leave a page stale;
#   - every relative link, Markdown's `](path)` outside code blocks, names a file that is there;
#   - README.md is within 150 lines: the pages in docs/ carry the long matter.
# Ends with "check-docs: N passed, N failed", one result for each file and check; fails when one
# fails. Needs no git and no build.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

readme_lines=150
version=$(fuel_version)
[ -n "$version" ] || { echo "no project(VERSION) in $FUEL_ROOT/CMakeLists.txt" >&2; exit 1; }
version_pattern="(^|[^0-9.])${version//./\\.}($|[^0-9])"

# versioned FILE: the lines that name a release file with a version number, or the version.
versioned() {
    grep -nE "fuelcalc[-_][0-9]|$version_pattern" "$1" || true
}

# links FILE: LINE<tab>TARGET for each Markdown link outside fenced code blocks.
links() {
    awk '/^[[:space:]]*(```|~~~)/ { fenced = !fenced; next }
        !fenced {
            rest = $0
            while (match(rest, /\]\([^)]*\)/)) {
                print FNR "\t" substr(rest, RSTART + 2, RLENGTH - 3)
                rest = substr(rest, RSTART + RLENGTH)
            }
        }' "$1"
}

# missing_links FILE: the lines whose relative link names no file, taken from FILE's folder.
missing_links() {
    local file=$1 line target path
    while IFS=$'\t' read -r line target; do
        target=${target%% \"*}
        case $target in http* | "#"*) continue ;; esac
        path=${target%%#*}
        [ -e "$(dirname "$file")/$path" ] || echo "$line: $target"
    done < <(links "$file")
}

# too_long FILE: the first line past the allowed length, if FILE has one.
too_long() {
    local count
    count=$(wc -l <"$1")
    [ "$count" -le "$readme_lines" ] || echo "$((readme_lines + 1)): $count lines, more than $readme_lines"
}

passed=0
failed=0
# check WHAT FUNCTION FILE: one result; the faults the function prints, each as FILE:LINE.
check() {
    local what=$1 name=${3#"$FUEL_ROOT"/} faults
    faults=$("$2" "$3")
    if [ -z "$faults" ]; then
        passed=$((passed + 1))
        return
    fi
    failed=$((failed + 1))
    echo "FAILED  $name: $what"
    sed -E "s|^([0-9]+): ?|  $name:\1: |" <<<"$faults"
}

shopt -s nullglob
for file in "$FUEL_ROOT/README.md" "$FUEL_ROOT"/docs/*.md; do
    check "a release file named with a version number, or the version $version" versioned "$file"
    check "a relative link to a file that is not there" missing_links "$file"
done
check "over $readme_lines lines" too_long "$FUEL_ROOT/README.md"

echo "check-docs: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
