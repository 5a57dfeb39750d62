#!/usr/bin/env bash
# Starts the built program under Xvfb and waits for its frame window; skipped without xvfb-run.
set -u
eseguibile="$1"
command -v xvfb-run >/dev/null 2>&1 || { echo "xvfb-run missing: skipped"; exit 77; }
cartella="$(mktemp -d)"
trap 'rm -rf "$cartella"' EXIT
cd "$cartella"
# The program goes to the virtual display through X whatever the caller's environment says
# (the test suite itself sets QT_QPA_PLATFORM=offscreen); xvfb-run supplies DISPLAY.
xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb bash -c '
  "$0" & pid=$!
  trovato=1
  for _ in $(seq 1 100); do
    # The search ignores case, and the hidden leader window of Qt is called "vorna".
    for w in $(xdotool search --name "^Vorna$" 2>/dev/null); do
      [ "$(xdotool getwindowname "$w")" = "Vorna" ] && trovato=0
    done
    [ $trovato -eq 0 ] && break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
  exit $trovato
' "$eseguibile"
esito=$?
[ $esito -eq 0 ] && echo "frame window found" || echo "frame window not found"
exit $esito
