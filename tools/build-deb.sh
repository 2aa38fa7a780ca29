#!/usr/bin/env bash
# Builds the Debian package build-deb/fuelcalc_VERSION_ARCH.deb (Release, with Debian's build
# flags) and prints its path. With SOURCE_DATE_EPOCH set, every time in the package is that one,
# so that two builds of one commit are the same bytes.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
# dpkg-shlibdeps (dpkg-dev) works out the package's dependencies; it reads the program with
# objdump (binutils) and file.
fuel_install cmake g++ make pkg-config qt6-base-dev libgl-dev dpkg-dev binutils file

build=$FUEL_ROOT/build-deb
log=$build/build-deb.log
mkdir -p "$build"
: >"$log"

# dpkg-buildflags gives the flags Debian builds its own packages with (-O2, stack protector,
# _FORTIFY_SOURCE, full RELRO), which lintian's hardening checks look for, and maps the checkout's
# folder out of the objects. Release adds only NDEBUG, so that Debian's -O2 stands.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(cd "$FUEL_ROOT" && dpkg-buildflags --get CPPFLAGS) $(cd "$FUEL_ROOT" && dpkg-buildflags --get CXXFLAGS)"
ldflags=$(cd "$FUEL_ROOT" && dpkg-buildflags --get LDFLAGS)
rm -f "$build"/fuelcalc_*.deb
fuel_build deb -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
    -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >>"$log" 2>&1 || { cat "$log" >&2; exit 1; }
(cd "$build" && cpack -G DEB >>"$log" 2>&1) || { cat "$log" >&2; exit 1; }
debs=("$build"/fuelcalc_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "expected one fuelcalc_*.deb in $build" >&2; exit 1; }
echo "${debs[0]}"
