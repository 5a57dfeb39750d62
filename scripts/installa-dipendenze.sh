#!/usr/bin/env bash
# Installs the Debian 12 packages Vorna needs to build, run and test, when they are missing.
set -euo pipefail

pacchetti=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  fonts-liberation
  libbenchmark-dev libboost-dev
  python3 python3-ezdxf python3-fitz poppler-utils librecad
  xvfb xauth xdotool x11-utils
  clang libclang-rt-14-dev
  valgrind file clang-format-14
  debootstrap desktop-file-utils shared-mime-info
)

mancanti=()
for p in "${pacchetti[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || mancanti+=("$p")
done

if [ ${#mancanti[@]} -gt 0 ]; then
  echo "Installing: ${mancanti[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${mancanti[@]}"
fi
