#!/bin/sh
# stage_skin.sh SKINGEN PARAMS SKIN_INI EXTRA_INI EXTRA_BMP STAGE SKINPACK PACKAGE
# Builds a gallery variant of a skin: the skin's own bitmaps and definition plus the extra
# caption button section and its image, packed and linted like every other package.
set -eu
skingen="$1" params="$2" ini="$3" extra_ini="$4" extra_bmp="$5" stage="$6" skinpack="$7" package="$8"
rm -rf "$stage"
"$skingen" "$params" "$stage"
cat "$ini" "$extra_ini" >"$stage/skin.ini"
cp "$extra_bmp" "$stage/pin.bmp"
"$skinpack" pack "$stage" "$package"
"$skinpack" lint "$package"
