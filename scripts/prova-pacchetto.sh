#!/usr/bin/env bash
# Builds the Debian package from the build folder ($1, default build) and installs it into a clean
# Debian 12 root (debootstrap minbase, kept inside the build folder for the next run), where
# `vorna --version` and a DXF export must work with no display. Needs root.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"
build="$(realpath -m "${1:-build}")"
radice="$build/radice-debian12"
specchio="${VORNA_SPECCHIO_DEBIAN:-http://deb.debian.org/debian}"

scripts/installa-dipendenze.sh
# Run alone on a fresh clone, the build folder is made here.
[ -f "$build/CMakeCache.txt" ] || scripts/configura.sh "$build" > /dev/null
cmake --build "$build" -j"$(nproc)" --target vorna > "$build/pacchetto.log"
rm -rf "$build/pacchetto"
(cd "$build" && cpack -G DEB -B "$build/pacchetto" >> "$build/pacchetto.log")
deb="$(echo "$build"/pacchetto/vorna_*.deb)"
[ -f "$deb" ] || { cat "$build/pacchetto.log"; echo "Nessun pacchetto in $build/pacchetto"; exit 1; }
dpkg-deb --field "$deb" Package Version Depends Recommends

# A root left half made by an interrupted run is made again.
if [ ! -f "$radice/.completa" ]; then
  rm -rf "$radice"
  debootstrap --variant=minbase bookworm "$radice" "$specchio" > "$build/debootstrap.log" 2>&1 \
    || { tail -30 "$build/debootstrap.log"; exit 1; }
  touch "$radice/.completa"
fi
cp /etc/resolv.conf "$radice/etc/resolv.conf"
cp "$deb" "$radice/tmp/vorna.deb"
cp fuzz/corpus/fuzz_file_sviluppo/cono.tnt "$radice/tmp/cono.tnt"

# No display, no Qt platform chosen: the batch commands must not need one.
chroot "$radice" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 \
    /bin/sh -ec '
  apt-get update -q > /tmp/apt.log
  apt-get purge -y -q vorna >> /tmp/apt.log 2>&1 || true
  apt-get install -y -q --no-install-recommends /tmp/vorna.deb >> /tmp/apt.log 2>&1 || { tail -30 /tmp/apt.log; exit 1; }
  test -f /usr/share/applications/vorna.desktop
  test -f /usr/share/mime/packages/vorna.xml
  test -f /usr/share/icons/hicolor/48x48/apps/vorna.png
  vorna --version
  cd /tmp && rm -f cono.dxf
  vorna --export-dxf cono.tnt cono.dxf
  grep -q "^AC1009" cono.dxf && grep -q "^TAGLIO" cono.dxf
  echo "Pacchetto installato in Debian 12 pulita: $(wc -l < cono.dxf) righe DXF esportate"'
