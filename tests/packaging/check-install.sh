#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the exact file list and the desktop and
# AppStream validators, then builds the Debian package, installs it into a temporary dpkg root,
# and removes it again, leaving nothing behind.
set -euo pipefail
build=$1
expected=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
(cd "$work/prefix" && find . -type f | sort) >"$work/installed.txt"
diff -u "$expected" "$work/installed.txt"
# Not even a hint.
hints=$(desktop-file-validate "$work"/prefix/share/applications/*.desktop 2>&1)
if [ -n "$hints" ]; then
    echo "$hints" >&2
    exit 1
fi
appstreamcli validate --no-net "$work"/prefix/share/metainfo/*.metainfo.xml

cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
deb=$(ls "$work"/package/rumbario_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -q 'libqt6widgets6' <<<"$depends"
grep -q 'qt6-qpa-plugins' <<<"$depends"
# Package tools show a description line that starts with two blanks as preformatted text.
if dpkg-deb -f "$deb" Description | grep -q '^  '; then
    echo "the package description has a preformatted line" >&2
    exit 1
fi
(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sed 's|^\./usr/|./|' | sort) >"$work/packaged.txt"
diff -u "$expected" "$work/packaged.txt"

root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg=(dpkg --root="$root" --force-not-root --force-depends --log=/dev/null)
# The temporary root has none of the Qt packages: their absence is expected there.
"${dpkg[@]}" --install "$deb" >/dev/null 2>&1
test -x "$root/usr/bin/rumbario"
"${dpkg[@]}" --purge rumbario >/dev/null
left=$(find "$root" -path "$root/var" -prune -o -type f -print)
if [ -n "$left" ]; then
    echo "left behind after removal:" "$left" >&2
    exit 1
fi
echo "1 passed, 0 failed"
