#!/usr/bin/env bash
# Builds the .deb into a scratch folder and checks its files and its
# dependencies: the Qt 6 runtime, the platform plugins, the fonts and the link
# opener, and nothing else beyond the C and C++ runtimes; no -dev package.
# Then Debian's own checker, lintian: any error or warning fails the check
# unless it is one of the few named below with the reason it is accepted.
#   check_deb.sh CPACK BUILD_DIR SCRATCH_DIR VERSION APP_ID [EXTRA_RUNTIMES]
# EXTRA_RUNTIMES is a regular expression of further allowed packages (the
# sanitizer runtimes in a sanitizer build).
set -uo pipefail
source "$(dirname "$0")/check_lib.sh"
cpack=$1 build=$2 scratch=$3 version=$4 app_id=$5 extra_runtimes=${6:-}

rm -rf "$scratch"
trap 'rm -rf "$scratch"' EXIT
if ! log=$("$cpack" -G DEB -B "$scratch" --config "$build/CPackConfig.cmake" 2>&1); then
  fail "cpack failed: $log"
  finish
fi

deb=$scratch/vortexcalc_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || { fail "cpack made no $deb: $(ls "$scratch")"; finish; }
[[ $(dpkg-deb -f "$deb" Package) == vortexcalc ]] || fail "package name is not vortexcalc"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "package version is not $version"

expected_files=$(sort <<EOT
./usr/bin/strouhal
./usr/bin/vortexcalc
./usr/share/applications/$app_id.desktop
./usr/share/icons/hicolor/16x16/apps/$app_id.png
./usr/share/icons/hicolor/32x32/apps/$app_id.png
./usr/share/icons/hicolor/scalable/apps/$app_id.svg
./usr/share/doc/vortexcalc/changelog.gz
./usr/share/doc/vortexcalc/copyright
./usr/share/man/man1/strouhal.1.gz
./usr/share/man/man1/vortexcalc.1.gz
./usr/share/metainfo/$app_id.metainfo.xml
EOT
)
listing=$(dpkg-deb -c "$deb")
files=$(awk '$1 !~ /^d/ { print $6 }' <<<"$listing" | sort)
[[ $files == "$expected_files" ]] || fail "package files differ from the expected ones:
$(diff <(echo "$expected_files") <(echo "$files"))"
for program in strouhal vortexcalc; do
  grep -q "^-rwxr-xr-x .* ./usr/bin/$program$" <<<"$listing" || fail "$program is not executable in the package"
done

depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//' | tr -d ' ' | grep -v '^$')
for needed in 'libqt6core6(t64)?' 'libqt6gui6(t64)?' 'libqt6widgets6(t64)?' qt6-qpa-plugins fonts-liberation xdg-utils; do
  grep -Eqx "$needed" <<<"$names" || fail "Depends lacks $needed: $depends"
done
allowed='libc6|libgcc-s1|libstdc\+\+6|libqt6(core|gui|widgets)6(t64)?|qt6-qpa-plugins|fonts-liberation|xdg-utils'
[[ -n $extra_runtimes ]] && allowed="$allowed|$extra_runtimes"
for name in $names; do
  if [[ $name == *-dev ]]; then
    fail "Depends holds a development package, $name: $depends"
  elif [[ ! $name =~ ^($allowed)$ ]]; then
    fail "Depends holds $name, which the program does not need: $depends"
  fi
done

# Tag -> why it is accepted. None is needed today (Debian 12's lintian
# reports only informational tags); a tag accepted later goes here with its
# reason.
declare -A accepted=()
if ! report=$(lintian --tag-display-limit 0 "$deb" 2>&1); then
  # lintian's own status is 2 for errors and 1 for a failure to run; the
  # report below decides which tags count.
  [[ $report == *"E: "* || $report == *"W: "* ]] || fail "lintian did not run: $report"
fi
while IFS= read -r line; do
  # "E: vortexcalc: tag [context]" for errors, "W: ..." for warnings.
  [[ $line =~ ^([EW]):\ [^:]+:\ ([a-z0-9+.-]+) ]] || continue
  tag=${BASH_REMATCH[2]}
  [[ -n ${accepted[$tag]:-} ]] || fail "lintian: $line"
done <<<"$report"
finish
