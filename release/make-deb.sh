#!/usr/bin/env bash
# Makes the Debian package of sindhikit from the shipped (stripped) program and the default
# word store: the program in /usr/bin, its manual page generated from its own --help and
# --version, the store in /usr/share/sindhikit (where the installed program looks), the
# credits in /usr/share/doc/sindhikit/copyright, and a control file whose dependencies
# dpkg-shlibdeps reads off the program.
# Usage: make-deb.sh VERSION SINDHIKIT STORE COPYRIGHT WORKDIR OUTPUT.deb
set -euo pipefail
version=$1 program=$2 store=$3 copyright=$4 work=$5 output=$6
export LC_ALL=C.UTF-8 SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(stat -c %Y "$program")}
maintainer="Darvel <support@tavrocodes.example.org>"

root="$work/root"
rm -rf "$work" && mkdir -p "$work"
umask 022
install -d "$root/usr/bin" "$root/usr/share/sindhikit" "$root/usr/share/doc/sindhikit" \
  "$root/usr/share/man/man1" "$root/DEBIAN"
install -m 0755 "$program" "$root/usr/bin/sindhikit"
install -m 0644 "$store" "$root/usr/share/sindhikit/directodb.dll"
install -m 0644 "$copyright" "$root/usr/share/doc/sindhikit/copyright"

# The manual page is the program's own --help and --version text.
help2man --no-info --no-discard-stderr --section=1 \
  --name="English-Sindhi dictionary, Sindhi typing and InPage text on the command line" \
  --output="$work/sindhikit.1" "$root/usr/bin/sindhikit"
gzip -9n -c "$work/sindhikit.1" >"$root/usr/share/man/man1/sindhikit.1.gz"

date=$(date -u -R -d "@$SOURCE_DATE_EPOCH")
cat >"$work/changelog" <<CHANGELOG
sindhikit ($version) unstable; urgency=medium

  * Release $version of the Sindhi kit's command line and default word store.

 -- $maintainer  $date
CHANGELOG
gzip -9n -c "$work/changelog" >"$root/usr/share/doc/sindhikit/changelog.gz"
chmod 0644 "$root/usr/share/man/man1/sindhikit.1.gz" "$root/usr/share/doc/sindhikit/changelog.gz"

# dpkg-shlibdeps wants to run in a source tree: an empty debian/control is enough.
mkdir -p "$work/src/debian" && : >"$work/src/debian/control"
depends=$(cd "$work/src" && dpkg-shlibdeps -O "$root/usr/bin/sindhikit" | sed -n 's/^shlibs:Depends=//p')
[ -n "$depends" ] || { echo "make-deb: dpkg-shlibdeps found no dependencies" >&2; exit 1; }

cat >"$root/DEBIAN/control" <<CONTROL
Package: sindhikit
Version: $version
Architecture: $(dpkg --print-architecture)
Maintainer: $maintainer
Installed-Size: $(du -sk --exclude=DEBIAN "$root" | cut -f1)
Depends: $depends
Section: text
Priority: optional
Homepage: http://www.tavrocodes.example.org
Description: English-Sindhi dictionary and Sindhi typing on the command line
 sindhikit looks English words up in a bilingual English-Sindhi word store and
 prints their numbered Sindhi meanings and English definitions, and looks Sindhi
 words up for their English meanings, typed in Arabic script or as Latin keys on
 the Sindhi phonetic keyboard. It also types text through the Sindhi, Urdu and
 Farsi phonetic key maps, converts InPage text to Unicode, prints the Sindhi
 phonetic guide, and builds and checks word stores.
 .
 The package includes the default word store, built from the Unicode CLDR and
 WordNet 3.0.
CONTROL
(cd "$root" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"
chmod 0644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"

dpkg-deb --root-owner-group -Zxz --build "$root" "$output" >/dev/null
