#!/usr/bin/env bash
# Installs the Debian packages that building and testing Varek_Instr need, when any is missing.
#   --wine  also installs Wine (64-bit only, about 100 MB), which the smoke test of the Windows
#           module needs; without it that test is skipped.
set -euo pipefail

packages=(
  cmake ninja-build g++ make binutils git pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcpp-httplib-dev libcli11-dev libcairo2-dev libpng-dev libstb-dev zlib1g-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  fonts-dejavu-core fonts-liberation fontconfig
  clang-format
  # The browser tests: headless Chromium driven by Selenium.
  chromium chromium-driver python3-selenium
  # The fuzz build: clang with libFuzzer and its sanitizers.
  clang libclang-rt-14-dev
)

for option in "$@"; do
  case "$option" in
    --wine) packages+=(wine64) ;;
    *) echo "usage: $0 [--wine]" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
