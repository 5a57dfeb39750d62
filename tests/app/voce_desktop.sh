#!/usr/bin/env bash
# The desktop entry passes desktop-file-validate and the MIME types give *.tnt and *.vorna to Vorna once
# update-mime-database has read it; skipped without those tools.
set -eu
cartella_pacchetto="$1"
command -v desktop-file-validate >/dev/null && command -v update-mime-database >/dev/null \
  || { echo "desktop-file-utils or shared-mime-info missing: skipped"; exit 77; }
desktop-file-validate "$cartella_pacchetto/vorna.desktop"
grep -qx 'MimeType=application/x-vorna-sviluppo;application/x-vorna-commessa;' "$cartella_pacchetto/vorna.desktop"
mime="$(mktemp -d)"
trap 'rm -rf "$mime"' EXIT
mkdir -p "$mime/packages"
cp "$cartella_pacchetto/vorna-mime.xml" "$mime/packages/vorna.xml"
update-mime-database "$mime" 2>/dev/null
grep -qx 'application/x-vorna-sviluppo:\*\.tnt' <(cut -d: -f2- "$mime/globs2")
grep -qx 'application/x-vorna-commessa:\*\.vorna' <(cut -d: -f2- "$mime/globs2")
echo "desktop entry and MIME type valid"
