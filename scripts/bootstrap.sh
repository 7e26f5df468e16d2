#!/usr/bin/env bash
# Shared set-up for ./run and ./test: install what the build needs (once),
# then configure and build. Usage:
#   scripts/bootstrap.sh BUILD_DIR [cmake options...]
#   scripts/bootstrap.sh --packages-only [more packages...]   # installs only
# In CI (CI set) warnings are errors.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

packages=(cmake g++ make ccache lld qt6-base-dev qt6-translations-l10n libgtest-dev libgmock-dev
          libbenchmark-dev locales xvfb xauth poppler-utils fonts-liberation
          dpkg-dev file desktop-file-utils libxml2-utils shared-mime-info librsvg2-bin)
packages_only=0
if [ "${1:-}" = --packages-only ]; then
  packages_only=1; shift
  packages+=("$@"); set --
fi
build="${1:-$root/build}"; shift || true

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The number tests run under a Swedish locale (decimal comma) as well as C.
if ! locale -a 2>/dev/null | grep -qi '^sv_SE\.utf-\?8$'; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo sed -i 's/^# *sv_SE.UTF-8 UTF-8/sv_SE.UTF-8 UTF-8/' /etc/locale.gen
  $sudo locale-gen >/dev/null
fi
((packages_only)) && exit 0

ci=()
[ -n "${CI:-}" ] && ci=(-DVIRANO_WERROR=ON)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${ci[@]}" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
