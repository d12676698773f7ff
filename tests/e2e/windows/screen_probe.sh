#!/usr/bin/env bash
# screen_probe for the Windows build's end-to-end runs, which have no host
# programs: the commands and output of tests/e2e/screen_probe.cpp, with
# ImageMagick taking and reading the screenshots and xclip reading the
# clipboard (which Wine shares with the X display).
set -euo pipefail

usage() {
  echo "usage: screen_probe.sh shot OUT.png [WINDOW_ID] | pixel IN.png X Y |" \
       "count IN.png X Y W H [!]RRGGBB | clipboard" >&2
  exit 2
}

# colours PNG X Y W H: the colour of each pixel of the rectangle, one RRGGBB
# a line.
colours() {
  convert "$1" -alpha off -crop "${4}x${5}+${2}+${3}" +repage -depth 8 txt:- |
    sed -n 's/^[0-9]*,[0-9]*: .*#\([0-9A-Fa-f]\{6\}\).*/\1/p'
}

case "${1:-}" in
  shot)
    (($# == 2 || $# == 3)) || usage
    import -silent -window "${3:-root}" "$2"
    ;;
  pixel)
    (($# == 4)) || usage
    colours "$2" "$3" "$4" 1 1
    ;;
  count)
    (($# == 7)) || usage
    colour=${7#!}
    if [[ $7 == !* ]]; then invert=-v; else invert=; fi
    colours "$2" "$3" "$4" "$5" "$6" | grep -ci $invert -x "$colour" || true
    ;;
  clipboard)
    (($# == 1)) || usage
    xclip -o -selection clipboard
    ;;
  *) usage ;;
esac
