#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that a desktop finds
# the program, its desktop entry and its icon there.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
fail=0
check() { [[ -e $prefix/$1 ]] || { echo "missing: $1"; fail=1; }; }
check bin/tarnwick-lanes
check share/applications/tarnwick-lanes.desktop
check share/icons/hicolor/128x128/apps/tarnwick-lanes.png
[[ -x $prefix/bin/tarnwick-lanes ]] || { echo "not executable: bin/tarnwick-lanes"; fail=1; }
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/tarnwick-lanes.desktop" || fail=1
else
  echo "desktop-file-validate is not installed"; fail=1
fi
if command -v file >/dev/null; then
  file "$prefix/share/icons/hicolor/128x128/apps/tarnwick-lanes.png" | grep -q '128 x 128' ||
    { echo "the icon is not 128 x 128"; fail=1; }
fi
grep -q '^Exec=tarnwick-lanes$' "$prefix/share/applications/tarnwick-lanes.desktop" || fail=1
grep -q '^Icon=tarnwick-lanes$' "$prefix/share/applications/tarnwick-lanes.desktop" || fail=1
exit $fail
