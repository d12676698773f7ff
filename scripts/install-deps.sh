#!/usr/bin/env bash
# Installs what building, running and testing VortexCalc needs on Debian 12;
# with the argument "windows", what the Windows cross build and its tests
# under Wine need instead. Idempotent: asks apt only for packages that are
# missing, and says nothing when everything is present. Works as root, or
# through sudo otherwise.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  # the desktop program: Qt 6 widgets with its platform plugins, and the
  # metric-compatible fonts the dialogs are laid out in
  qt6-base-dev qt6-qpa-plugins fonts-liberation
  # opening links through the desktop
  xdg-utils
  # tests and benchmarks: a virtual display and a driver for end-to-end runs,
  # and xmllint for the SVG charts strouhal writes
  libgtest-dev libbenchmark-dev xvfb xdotool libxml2-utils
  # the German locale the number tests run under (decimal comma)
  locales
  # install and package tests: the desktop-entry and AppStream validators,
  # dpkg-shlibdeps for the .deb's dependencies, the manual page formatter,
  # and lintian, Debian's own checker of the .deb
  desktop-file-utils appstream dpkg-dev groff-base lintian
  # fuzzing: clang with libFuzzer and its sanitizer runtimes, and
  # llvm-symbolizer for readable stacks (g++ brings its own ASan and UBSan)
  clang libclang-rt-14-dev llvm
)
test_locale=de_DE.UTF-8

windows_packages=(
  cmake ninja-build
  # the cross compiler, and GoogleTest's sources to build with it
  g++-mingw-w64-x86-64 googletest
  # running the programs and their tests, and making the installer
  wine64 nsis
  # signing the programs and the installer (Authenticode), and the
  # throw-away certificate of the signing test
  osslsigncode openssl
  # the fonts the dialogs name: Wine's System and MS Sans Serif, and the
  # metric-compatible stand-in for Arial (scripts/wine-prefix.sh)
  fonts-wine fonts-liberation
  # the GUI suites' display, and the end-to-end runs: xdotool drives the
  # program, ImageMagick takes and reads screenshots, xclip the clipboard
  xvfb xdotool imagemagick xclip
)
if [[ "${1:-}" == windows ]]; then
  packages=("${windows_packages[@]}")
  test_locale=
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
locale_missing=false
if [[ -n $test_locale ]]; then
  locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8' || locale_missing=true
fi
[[ ${#missing[@]} -eq 0 && $locale_missing == false ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "install-deps: missing ${missing[*]} (locale $test_locale: $locale_missing);" \
       "run this script as root or install sudo" >&2
  exit 1
fi

if [[ ${#missing[@]} -gt 0 ]]; then
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [[ $locale_missing == true ]]; then
  echo "install-deps: generating locale $test_locale"
  if ! grep -qx "$test_locale UTF-8" /etc/locale.gen 2>/dev/null; then
    echo "$test_locale UTF-8" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${as_root[@]}" locale-gen >/dev/null
fi
