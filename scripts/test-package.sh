#!/bin/sh
# The Debian package, checked as Debian checks it and as a person uses it:
#   scripts/test-package.sh [build folder]
# its file list and control fields; the same files from `make install`,
# which `make uninstall` removes again; lintian (no errors); then, as root
# only: apt-get install, the installed kakeibo-cli --help and its manual
# page, the installed window program started once offscreen on a
# temporary book, and apt-get purge, after which nothing of it is left.
set -eu
BUILD=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "$BUILD" && pwd)
version=$("$BUILD/kakeibo-cli" --version | sed 's/^kakeibo-cli //')
arch=$(dpkg --print-architecture)
deb="$here/dist/kakeibo_${version}_${arch}.deb"
tmp=$(mktemp -d)
installed=no
cleanup() {
    if [ "$installed" = yes ]; then
        apt-get purge -y -qq -o DPkg::Lock::Timeout=900 kakeibo >/dev/null 2>&1 || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
    echo "package test: FAIL: $*" >&2
    exit 1
}
[ -f "$deb" ] || fail "$deb is missing (make deb)"

echo "package test: the files of $(basename "$deb")"
dpkg-deb -c "$deb" > "$tmp/contents"
sed -n 's|^-[^ ]* [^ ]* *[0-9]* [0-9-]* [0-9:]* \./|/|p' "$tmp/contents" | sort > "$tmp/files"
icons=""
for size in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
    icons="$icons /usr/share/icons/hicolor/$size/apps/kakeibo.png"
done
module=/usr/lib/kakeibo/modules/kakeibo-charts.so
printf '%s\n' /usr/bin/kakeibo /usr/bin/kakeibo-cli "$module" \
    /usr/share/applications/jp.mirab.kakeibo.desktop \
    /usr/share/metainfo/jp.mirab.kakeibo.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/kakeibo.svg $icons \
    /usr/share/man/man1/kakeibo.1.gz /usr/share/man/man1/kakeibo-cli.1.gz \
    /usr/share/bash-completion/completions/kakeibo /usr/share/bash-completion/completions/kakeibo-cli \
    /usr/share/kakeibo/Mirab050.hlp \
    /usr/share/doc/kakeibo/copyright /usr/share/doc/kakeibo/changelog.gz | sort > "$tmp/expected"
diff -u "$tmp/expected" "$tmp/files" || fail "the package holds other files than expected"
# Programs 0755, everything else 0644 and directories 0755, all root's.
grep -v '^-rwxr-xr-x root/root .* \./usr/bin/' "$tmp/contents" |
    grep -v -e '^-rw-r--r-- root/root ' -e '^drwxr-xr-x root/root ' && fail "wrong owners or modes"
# The programs and the graph module are stripped of their debugging data.
dpkg-deb -x "$deb" "$tmp/unpacked"
for program in usr/bin/kakeibo usr/bin/kakeibo-cli "${module#/}"; do
    readelf -S "$tmp/unpacked/$program" | grep -q '\.debug_info' && fail "$program is not stripped"
done
# The window program does not link Qt Charts; the graph module does, and
# everything it needs is found when it is loaded.
readelf -d "$tmp/unpacked/usr/bin/kakeibo" | grep -q 'libQt6Charts' && fail "kakeibo links Qt Charts"
readelf -d "$tmp/unpacked$module" | grep -q 'libQt6Charts' || fail "the graph module does not link Qt Charts"

echo "package test: the control fields"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kakeibo ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), the programs say $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is $(field Architecture)"
[ "$(field Section)" = utils ] || fail "Section is $(field Section)"
field Maintainer | grep -q '^[^<]* <[^@>]*@[^>]*>$' || fail "Maintainer is \"$(field Maintainer)\""
for needed in libc6 libqt6widgets6 libqt6printsupport6 libqt6charts6 libcups2 fonts-ipafont-gothic qt6-translations-l10n; do
    field Depends | grep -q "$needed" || fail "Depends lacks $needed: $(field Depends)"
done
field Description | grep -q 'みらぶの家計簿' || fail "the description lacks the program's Japanese name"

echo "package test: make install gives the same files, make uninstall takes them away"
DESTDIR="$tmp/root" cmake --install "$BUILD" --prefix /usr >/dev/null
(cd "$tmp/root" && find . -type f | sed 's|^\.||' | sort) > "$tmp/make-install"
diff -u "$tmp/files" "$tmp/make-install" || fail "make install and the package differ"
DESTDIR="$tmp/root" cmake -DMANIFEST="$BUILD/install_manifest.txt" -P "$here/cmake/Uninstall.cmake" >/dev/null
left=$(find "$tmp/root" -type f -o -type d -name kakeibo)
[ -z "$left" ] || fail "make uninstall left $left"

echo "package test: lintian"
lintian --fail-on error --display-info "$deb" 2>&1 | grep -v '^running with root privileges' || true
lintian --fail-on error "$deb" >/dev/null 2>&1 || fail "lintian reports errors"

if [ "$(id -u)" -ne 0 ]; then
    echo "package test: not root, so the install, run and removal of the package are skipped"
    exit 0
fi
dpkg-query -W -f='${Status}' kakeibo 2>/dev/null | grep -q 'install ok' &&
    fail "kakeibo is installed already; the test would remove it"

echo "package test: apt-get install"
installed=yes
apt-get install -y -qq -o DPkg::Lock::Timeout=900 "$deb" >"$tmp/apt.log" 2>&1 ||
    { cat "$tmp/apt.log"; fail "apt-get install failed"; }
/usr/bin/kakeibo-cli --help | grep -q '^Usage: kakeibo-cli' || fail "the installed kakeibo-cli --help"
[ "$(man -w kakeibo-cli)" = /usr/share/man/man1/kakeibo-cli.1.gz ] || fail "man -w kakeibo-cli: $(man -w kakeibo-cli)"
[ "$(man -w kakeibo)" = /usr/share/man/man1/kakeibo.1.gz ] || fail "man -w kakeibo"

# Loaded as the window program loads it: every symbol bound at once.
ldd -r "$module" 2>&1 | grep -E 'undefined symbol|not found' && fail "the installed graph module cannot be loaded"

echo "package test: the installed programs on a temporary book"
book="$tmp/book"
mkdir -m 700 "$book" "$tmp/home"
HOME="$tmp/home" /usr/bin/kakeibo-cli --dir "$book" start >/dev/null 2>"$tmp/cli.log" ||
    { cat "$tmp/cli.log"; fail "kakeibo-cli start"; }
[ ! -e "$book/Mirab050.bak" ] || fail "the first start left a backup"
HOME="$tmp/home" QT_QPA_PLATFORM=offscreen /usr/bin/kakeibo --dir "$book" >"$tmp/window.log" 2>&1 &
window=$!
# Up after a few seconds (it starts in well under one); SIGTERM then closes
# it as the desktop's logout does, which writes every file.
sleep 5
kill -TERM "$window"
wait "$window" || { cat "$tmp/window.log"; fail "the window program ended with status $?"; }
for ext in mrb bak prf mmm ini; do
    [ -s "$book/Mirab050.$ext" ] || fail "the window program did not write Mirab050.$ext"
done

echo "package test: apt-get purge"
apt-get purge -y -qq -o DPkg::Lock::Timeout=900 kakeibo >"$tmp/apt.log" 2>&1 ||
    { cat "$tmp/apt.log"; fail "apt-get purge failed"; }
installed=no
dpkg-query -W -f='${Status}' kakeibo 2>/dev/null | grep -q 'installed' && fail "dpkg still knows kakeibo"
while read -r file; do
    [ ! -e "$file" ] || fail "$file is left after the purge"
done < "$tmp/files"
for folder in /usr/share/kakeibo /usr/share/doc/kakeibo /usr/lib/kakeibo; do
    [ ! -e "$folder" ] || fail "$folder is left after the purge"
done
echo "package test: passed"
