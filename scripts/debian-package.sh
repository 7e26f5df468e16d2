#!/usr/bin/env bash
# Builds the Debian package from a built folder, lists its contents, fails
# when a file of an installation (packaging/installed-files.txt) is missing,
# and checks the package with lintian, failing on any error it finds
# (lintian is installed first when it is missing).
# Usage: scripts/debian-package.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"

(cd "$build" && cpack -G DEB >/dev/null)
version="$(sed -n 's/^project(Virano VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
deb="$build/virano_${version}-1_$(dpkg --print-architecture).deb"
dpkg-deb --field "$deb"
contents="$(dpkg-deb -c "$deb")"
echo "$contents"

missing=0
while read -r file; do
  [[ -z "$file" || "$file" == \#* ]] && continue
  if ! grep -Eq " \./usr/${file//./\\.}( -> .*)?$" <<<"$contents"; then
    echo "Saknas i paketet: /usr/$file" >&2
    missing=1
  fi
done <"$root/packaging/installed-files.txt"
((missing == 0)) || exit 1
echo "Paketet $deb håller alla filer."

if ! command -v lintian >/dev/null; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq lintian >/dev/null
fi
lintian --fail-on error --info "$deb"
echo "lintian fann inga fel i $deb."
