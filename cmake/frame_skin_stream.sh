#!/bin/sh
# frame_skin_stream.sh PACKAGE OUT: writes PACKAGE as the skin data component stores it in its
# SkinStream property: the package length as a 4-byte little-endian word, then the package.
set -eu
n=$(wc -c < "$1")
printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $((n & 255)) $((n >> 8 & 255)) $((n >> 16 & 255)) $((n >> 24 & 255)))" > "$2.tmp"
cat "$1" >> "$2.tmp"
mv "$2.tmp" "$2"
