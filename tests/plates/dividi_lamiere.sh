#!/bin/sh
# vorna --split on the hopper as a real run; its plates read back by ezdxf and checked on their own.
# Usage: dividi_lamiere.sh VORNA PYTHON3
set -eu
vorna=$1 python=$2
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
"$vorna" --new-cone "$cartella/tramoggia.vorna" --d1 2000 --d2 600 --height 1500 --thickness 5 --surface outside
"$vorna" --split "$cartella/tramoggia.vorna" "$cartella/out" --plates 3000x1500,2000x1000 --gap 3 --kerf 12 \
    --margin 20 > "$cartella/classifica.txt"
grep -q "^1\. " "$cartella/classifica.txt"
test -s "$cartella/out/lamiere.csv"
"$python" "$(dirname "$0")/controlla_lamiere.py" "$cartella/out" 12 20
# With a trim, each piece's table of points and its true-size PDF.
"$vorna" --split "$cartella/tramoggia.vorna" "$cartella/pezzi" --plates 3000x1500 --pieces 2 --strakes 2 --trim 5 --tables \
    --pdf > /dev/null
"$python" "$(dirname "$0")/controlla_pezzi.py" "$cartella/pezzi"
