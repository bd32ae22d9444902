#!/usr/bin/env bash
# Builds the Debian package from a built tree, checks its files and control fields, and runs
# lintian on it, which must report no error. In CI (CI=true) or given
# ORVANTA_PACKAGE_INSTALL_TEST=1, run as root where the package is not installed already, it
# also installs the package, checks the installed program as tests/app/check_program.sh does
# (its command line; two playlists it is started with, listed and exported) and removes the
# package again.
set -euo pipefail
build_dir=$1
version=$2
package=orvanta-playlist-builder
app_id=org.orvanta.PlaylistBuilder

fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack -G DEB"; }
deb="$work/${package}_${version}_$(dpkg --print-architecture).deb"
[[ -f $deb ]] || { ls "$work" >&2; fail "no $(basename "$deb")"; }

# Exactly these files, so neither tests nor benchmarks nor build leftovers come along.
expected=(
    "./usr/bin/$package"
    "./usr/share/applications/$app_id.desktop"
    "./usr/share/doc/$package/changelog.gz"
    "./usr/share/doc/$package/copyright"
    "./usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    "./usr/share/man/man1/$package.1.gz"
    "./usr/share/metainfo/$app_id.metainfo.xml"
)
for size in 16 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$work/files"
printf '%s\n' "${expected[@]}" | sort >"$work/expected"
diff -u "$work/expected" "$work/files" || fail "the package's files differ from the expected ones (- expected, + found)"
dpkg-deb --contents "$deb" | awk '$6 == "./usr/bin/'"$package"'" && $1 != "-rwxr-xr-x" { exit 1 }' ||
    fail "the program is not rwxr-xr-x"

field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == "$package" ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version), expected $version"
[[ $(field Section) == sound ]] || fail "Section: $(field Section)"
[[ -n $(field Maintainer) ]] || fail "no Maintainer"
[[ $(field Description) == *$'\n'* ]] || fail "Description has no long description"
# Computed from the program's libraries, not written by hand.
[[ $(field Depends) == *libqt6widgets6* && $(field Depends) == *libc6* ]] || fail "Depends: $(field Depends)"

dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/metainfo/$app_id.metainfo.xml" |
    grep -q "<release version=\"$version\"" || fail "the metainfo's release entry is not $version"

# Only errors fail; the README says why each remaining warning stays.
lintian --fail-on error --tag-display-limit 0 --display-info "$deb" 2>&1 | tee "$work/lintian.log" ||
    fail "lintian reports errors"

if [[ ${ORVANTA_PACKAGE_INSTALL_TEST:-} != 1 && ${CI:-} != true ]]; then
    echo "package built, listed and checked by lintian; installing it is for CI or ORVANTA_PACKAGE_INSTALL_TEST=1"
    exit 0
fi
if [[ $(id -u) -ne 0 ]]; then
    echo "package checked; installing it needs root, skipped"
    exit 0
fi
# One install at a time on this machine; a package installed before is left alone.
exec 9>/tmp/$package-package-test.lock
flock 9
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    echo "package checked; $package is installed already, so the install test is skipped"
    exit 0
fi
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -y -qq -o DPkg::Lock::Timeout=300 "$@"; }
trap 'apt_get remove "$package" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
apt_get install --no-install-recommends "$deb" || fail "apt-get install"
program=$(command -v "$package") || fail "$package is not on PATH once installed"
[[ $program == /usr/bin/$package ]] || fail "$package runs from $program"
"$(dirname "$0")/../app/check_program.sh" "$program" || fail "the installed program, started with two playlists"
apt_get remove "$package" || fail "apt-get remove"
! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || fail "still installed"
trap 'rm -rf "$work"' EXIT
echo "package installed, started with two playlists and removed"
