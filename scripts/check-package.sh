#!/usr/bin/env bash
# Makes the Debian package in a build directory (default: build, reused as built by
# scripts/test.sh) and checks it with Debian's own tools: no lintian error (warnings are shown
# but allowed), desktop-file-validate and appstreamcli validate pass on the files as shipped,
# the package holds every file it must, and its version is the program's, the newest
# metainfo release's and the changelog's.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(scripts/package.sh "${1:-build}" | tail -n 1)
echo "== Checking $deb =="
failed=0
fail() {
  echo "FAILED: $*" >&2
  failed=1
}

# Lintian's own exit status is kept for its failures to run; errors are judged by their lines.
lintian_output=$(lintian --fail-on none "$deb") || fail "lintian did not run"
[ -n "$lintian_output" ] && echo "$lintian_output"
if grep -q '^E:' <<<"$lintian_output"; then fail "lintian reports errors"; fi

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop="$root/usr/share/applications/de.quirlweg.Quirlweg.desktop"
metainfo="$root/usr/share/metainfo/de.quirlweg.Quirlweg.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx 'MimeType=application/x-quirlweg;' "$desktop" || fail "the desktop file opens no experiments"
# The file type's definition is one shared-mime-info reads, and every lesson is one the program
# opens (a headless walk of one journey).
xmllint --noout "$root/usr/share/mime/packages/quirlweg.xml" || fail "the MIME type's XML"
for lesson in "$root"/usr/share/quirlweg/lessons/*.quirlweg; do
  QT_QPA_PLATFORM=offscreen "$root/usr/bin/quirlweg" --experiment "$lesson" --journeys 1 \
    >/dev/null 2>&1 || fail "the program refuses the lesson $lesson"
done
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in usr/bin/quirlweg \
  usr/share/applications/de.quirlweg.Quirlweg.desktop \
  usr/share/metainfo/de.quirlweg.Quirlweg.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/quirlweg.svg \
  usr/share/icons/hicolor/16x16/apps/quirlweg.png \
  usr/share/icons/hicolor/32x32/apps/quirlweg.png \
  usr/share/man/man1/quirlweg.1.gz \
  usr/share/man/de/man1/quirlweg.1.gz \
  usr/share/doc/quirlweg/copyright \
  usr/share/doc/quirlweg/changelog.gz \
  usr/share/mime/packages/quirlweg.xml \
  usr/share/icons/hicolor/scalable/mimetypes/application-x-quirlweg.svg \
  usr/share/quirlweg/lessons/spielerruin-1d.quirlweg \
  usr/share/quirlweg/lessons/erste-heimkehr-2d.quirlweg \
  usr/share/quirlweg/lessons/polya-3d.quirlweg; do
  grep -qxF "./$file" <<<"$contents" || fail "the package lacks /$file"
done

# The class server hands out the browser edition where the tree holds it built (scripts/web.sh).
if [ -f build-web/web/site/index.html ]; then
  for file in index.html app.js texts.js quirlweg_core.js; do
    grep -qxF "./usr/share/quirlweg/site/$file" <<<"$contents" ||
      fail "the package lacks the browser edition's $file"
  done
fi

# The version lives in CMakeLists.txt, the metainfo and the changelog: a release must bump all.
version=$(dpkg-deb -f "$deb" Version)
program_version=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/quirlweg" --version 2>/dev/null) ||
  fail "the packaged program does not start"
[ "$program_version" = "quirlweg $version" ] ||
  fail "the program says \"$program_version\", the package's version is $version"
release=$(grep -o -m 1 '<release version="[^"]*"' "$metainfo" | cut -d '"' -f 2)
[ "$release" = "$version" ] || fail "the newest metainfo release is $release, not $version"
changelog=$(zcat "$root/usr/share/doc/quirlweg/changelog.gz" | head -n 1 | sed 's/.*(\(.*\)).*/\1/')
[ "$changelog" = "$version" ] || fail "the changelog's newest entry is $changelog, not $version"

if [ "$failed" -ne 0 ]; then exit 1; fi
echo "Package checks passed: $deb ($(stat -c %s "$deb") bytes)"
