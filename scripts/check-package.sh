#!/usr/bin/env bash
# Checks a built Debian package of Quillbay: its control fields, the files it
# installs (unpacked with dpkg -x into a fresh folder), the desktop entry, the
# AppStream metadata, the MIME type, the manual pages and the icons against the
# freedesktop.org and Debian tools, and lintian (no errors or warnings).
# Usage: scripts/check-package.sh build-pkg/quillbay_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$1
fail() { echo "check-package: $*" >&2; exit 1; }
[ -f "$deb" ] || fail "no package $deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root/pkg"
pkg=$root/pkg

# Control fields: the version is the project's, the Qt libraries come from
# dpkg-shlibdeps.
version=$(sed -n 's/^project(Quillbay VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ "$(dpkg-deb -f "$deb" Package)" = quillbay ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version), project $version"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
  [[ ", $depends" == *", $lib "* ]] || fail "Depends lacks $lib: $depends"
done
# Qt's catalogues: the standard buttons and dialogs in the windows' language.
[[ ", $depends," == *", qt6-translations-l10n,"* ]] || fail "Depends lacks qt6-translations-l10n: $depends"

# Every file the installation promises, and nothing outside /usr.
id=org.quillbay.Quillbay
expected=(
  usr/bin/quillbay usr/bin/quillbay-export usr/libexec/quillbay/quillbay-export-ical
  usr/share/applications/$id.desktop
  usr/share/metainfo/$id.metainfo.xml
  usr/share/mime/packages/$id.xml
  usr/share/icons/hicolor/scalable/apps/$id.svg
  usr/share/man/man1/quillbay.1.gz usr/share/man/man1/quillbay-export.1.gz
  usr/share/doc/quillbay/copyright usr/share/doc/quillbay/changelog.gz
  usr/share/quillbay/styles.data usr/share/quillbay/help/index.html usr/share/quillbay/help/main-window.html
  usr/share/quillbay/help/de/index.html usr/share/quillbay/help/de/main-window.html
)
for language in de es fr it nl; do expected+=(usr/share/quillbay/translations/quillbay_$language.qm); done
for size in 16 22 24 32 48 64 128 256; do expected+=(usr/share/icons/hicolor/${size}x$size/apps/$id.png); done
for f in "${expected[@]}"; do [ -f "$pkg/$f" ] || fail "missing $f"; done
while IFS= read -r f; do
  [ -f "help/${f#"$pkg"/usr/share/quillbay/help/}" ] || fail "unexpected help file $f"
done < <(find "$pkg"/usr/share/quillbay/help -type f)
[ "$(ls "$pkg")" = usr ] || fail "files outside /usr: $(ls "$pkg")"

for prog in bin/quillbay bin/quillbay-export libexec/quillbay/quillbay-export-ical; do
  file -b "$pkg/usr/$prog" | grep -q 'ELF.*, stripped' || fail "$prog is not a stripped program"
done
for size in 16 22 24 32 48 64 128 256; do
  file -b "$pkg/usr/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size," ||
    fail "icon $size is not a $size x $size PNG"
done

# The desktop entry starts the installed program with the chosen file.
desktop-file-validate "$pkg/usr/share/applications/$id.desktop"
grep -qx 'Exec=quillbay %f' "$pkg/usr/share/applications/$id.desktop" || fail "Exec line"
grep -qx 'MimeType=application/x-quillbay;' "$pkg/usr/share/applications/$id.desktop" || fail "MimeType line"
grep -qx "Icon=$id" "$pkg/usr/share/applications/$id.desktop" || fail "Icon line"

# AppStream: valid, its newest release is this version, its screenshots are
# the ones in docs/.
appstreamcli validate --no-net "$pkg/usr/share/metainfo/$id.metainfo.xml"
metainfo=$pkg/usr/share/metainfo/$id.metainfo.xml
grep -m1 '<release ' "$metainfo" | grep -q "version=\"$version\"" || fail "newest release in the metadata is not $version"
grep -o '<image[^>]*>[^<]*</image>' "$metainfo" | sed 's|<[^>]*>||g; s|.*/||' | while read -r shot; do
  [ -f "docs/$shot" ] || fail "screenshot $shot is not in docs/"
done
zcat "$pkg/usr/share/doc/quillbay/changelog.gz" | head -1 | grep -q "^quillbay ($version)" || fail "changelog is not at $version"

# The MIME type: a .qby file and one without the extension (by its first
# line) are both Quillbay documents.
mkdir -p "$root/mime/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$pkg/usr/share/mime/packages/$id.xml" "$root/mime/mime/packages/"
XDG_DATA_DIRS="$root/mime" update-mime-database "$root/mime/mime"
cp examples/choir-2026.qby "$root/a.qby"
cp examples/choir-2026.qby "$root/no-extension"
for f in a.qby no-extension; do
  type=$(XDG_DATA_HOME="$root/none" XDG_DATA_DIRS="$root/mime" gio info -a standard::content-type "$root/$f" |
    sed -n 's/.*content-type: //p')
  [ "$type" = application/x-quillbay ] || fail "$f is seen as $type"
done

for page in quillbay quillbay-export; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$pkg/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "manual page $page: $warnings"
done

# Every option that a program's --help lists is in its manual page.
for page in quillbay quillbay-export; do
  text=$(MANWIDTH=200 man -l "$pkg/usr/share/man/man1/$page.1.gz" 2>/dev/null)
  for option in $(QT_QPA_PLATFORM=offscreen "$pkg/usr/bin/$page" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
    grep -qe "$option" <<<"$text" || fail "manual page $page lacks $option"
  done
done

lintian --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2)
echo "check-package: $deb is sound"
