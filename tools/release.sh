#!/usr/bin/env bash
# release.sh [--allow-dirty]: writes the release of the commit checked out into dist/:
#   fuelcalc-VERSION-setup.exe, fuelcalc-VERSION-windows.zip, fuelcalc_VERSION_ARCH.deb
#     (tools/build-release.sh), signed with Authenticode when FUEL_SIGN_PKCS12 names a PKCS#12
#     file and FUEL_SIGN_PASSWORD_FILE a file holding its password;
#   fuelcalc-VERSION.tar.gz, the sources as git archive gives them, in fuelcalc-VERSION/;
#   BUILDINFO.txt, the versions of the Debian packages that built them (tools/buildinfo.sh), which
#     a rebuild installs to get the same bytes and checks with `tools/buildinfo.sh --compare`;
#   SHA256SUMS, for `sha256sum -c`, of all the others.
# Every time in them is the commit's, so that a release built again from the same commit, in
# another folder at another time, is the same bytes (tools/check-reproducible.sh checks it).
# It refuses a tree with changes not committed, unless --allow-dirty. It runs no tests: CI does.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
fuel_install git coreutils gzip

allow_dirty=
case ${1:-} in
"") ;;
--allow-dirty) allow_dirty=yes ;;
*) echo "usage: $0 [--allow-dirty]" >&2; exit 2 ;;
esac

cd "$FUEL_ROOT"
git rev-parse --verify -q HEAD >/dev/null || { echo "$FUEL_ROOT is not a git checkout with a commit" >&2; exit 1; }
changes=$(git status --porcelain --untracked-files=normal)
if [ -n "$changes" ]; then
    if [ -z "$allow_dirty" ]; then
        echo "The tree has changes that are not committed, which a release would not say:" >&2
        echo "$changes" >&2
        echo "Commit them, or run again with --allow-dirty." >&2
        exit 1
    fi
    echo "Releasing a tree with uncommitted changes (--allow-dirty): the files are not those of" \
        "commit $(git rev-parse --short HEAD), and the tarball holds the changes to files git tracks" >&2
fi

export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
dist=$FUEL_ROOT/dist
rm -rf "$dist"
version=$(fuel_version)
bash "$FUEL_ROOT/tools/build-release.sh" "$dist"

# git archive gives each file the commit's time; gzip -n leaves out the name and time of its own.
tree=HEAD
[ -z "$changes" ] || tree=$(git stash create)
tree=${tree:-HEAD}
git archive --format=tar --prefix="fuelcalc-$version/" "$tree" | gzip -9n >"$dist/fuelcalc-$version.tar.gz"

# Before SHA256SUMS, which vouches for it as for the files it describes.
commit=$(git rev-parse HEAD)
[ -z "$changes" ] || commit="$commit, with changes not committed"
bash "$FUEL_ROOT/tools/buildinfo.sh" "$commit" >"$dist/BUILDINFO.txt"

(cd "$dist" && sha256sum -- * >"$dist/SHA256SUMS.new" && mv SHA256SUMS.new SHA256SUMS)
echo "Release $version of commit $(git rev-parse --short HEAD), in $dist:"
(cd "$dist" && ls -l -- * && cat SHA256SUMS)
