#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the benchmarks need. Safe to run again:
# it only calls apt-get when something is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ccache mold
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  antlr3 libantlr3c-dev default-jre-headless
  libtinyxml-dev
  libxerces-c-dev
  libcairo2-dev
  libfreetype-dev libfontconfig-dev fonts-dejavu-core fonts-dejavu-extra
  libpng-dev zlib1g-dev libjpeg62-turbo-dev libstb-dev
  libsndfile1-dev
  locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
else
  echo "setup: all packages present"
fi

# Number text must not follow the process locale: the tests switch to one with a decimal comma.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  echo "setup: generating the de_DE.UTF-8 locale"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
