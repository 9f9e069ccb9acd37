#!/bin/sh
# The AppStream data validates, and every screenshot it names is one of
# resources/screenshots with the width and height it states.
#   metainfo-test.sh METAINFO SCREENSHOTS_DIR
set -u
metainfo=$1
shots=$2
failures=0
appstreamcli validate --no-net --pedantic "$metainfo" || failures=$((failures + 1))

# The width and height of a PNG, from its header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%d %d\n", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}
grep -o '<image type="source" width="[0-9]*" height="[0-9]*">[^<]*' "$metainfo" |
    sed 's/.*width="\([0-9]*\)" height="\([0-9]*\)">.*\/\([^/]*\)$/\1 \2 \3/' > shots.list
[ -s shots.list ] || { echo "FAIL: no screenshots in $metainfo"; failures=$((failures + 1)); }
while read -r width height name; do
    if [ ! -f "$shots/$name" ]; then
        echo "FAIL: the screenshot $name is not in $shots"
        failures=$((failures + 1))
    elif [ "$(png_size "$shots/$name")" != "$width $height" ]; then
        echo "FAIL: $name is $(png_size "$shots/$name"), the data says $width $height"
        failures=$((failures + 1))
    fi
done < shots.list
rm -f shots.list
exit $((failures > 0))
