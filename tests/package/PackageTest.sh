#!/usr/bin/env bash
# Builds the Debian package from a build tree, checks its file list, unpacks it into a
# scratch root and runs both programs from there on the installed demo recording.
#   PackageTest.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/corvandell_*.deb)
dpkg-deb -c "$deb" | awk '{print $6}' >"$work/list"
for f in ./usr/bin/corvandell ./usr/bin/corvandell-cli \
  ./usr/share/corvandell/help/mainBeak.rtf ./usr/share/corvandell/help/poly.bmp \
  ./usr/share/corvandell/demo/demo.cfg ./usr/share/corvandell/demo/beak.txt \
  ./usr/share/applications/corvandell.desktop \
  ./usr/share/icons/hicolor/scalable/apps/corvandell.svg \
  ./usr/share/man/man1/corvandell.1.gz ./usr/share/man/man1/corvandell-cli.1.gz; do
  grep -qx "$f" "$work/list" || { echo "the package lacks $f"; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "no dependency on Qt"; exit 1; }

root="$work/root"
dpkg-deb -x "$deb" "$root"
"$root/usr/bin/corvandell-cli" --help >/dev/null
demo="$root/usr/share/corvandell/demo/demo.cfg"
echo channels | "$root/usr/bin/corvandell-cli" run "$demo" - >"$work/run.jsonl"
grep -q '"outcome":"loaded"' "$work/run.jsonl" || { cat "$work/run.jsonl"; exit 1; }

# The program opens the demo from the installed paths and keeps its settings out of /usr.
HOME="$work/home" XDG_CONFIG_HOME="" QT_QPA_PLATFORM=offscreen \
  "$root/usr/bin/corvandell" --screenshot "$work/shot.png" "$demo"
test -s "$work/shot.png" || { echo "no picture of the graph window"; exit 1; }
if find "$root/usr/bin" -name '$VM3bk$*' | grep -q .; then
  echo "the automatic setup file was written beside the installed program"
  exit 1
fi
echo "package: $(basename "$deb") installs and runs"
