#!/usr/bin/env bash
# Installs the build into a temporary prefix, validates the desktop entry and the metainfo,
# holds the man page against quorvex-cli --help and --version, and starts the program through
# the launcher in an empty XDG data home on the offscreen platform.
# Usage: install_test.sh BUILD_DIR DEFAULT_BIN_DIR
set -euo pipefail

build=$1
defaults=$2
app_id=org.quorvex.Quorvex
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" ||
  { cat "$tmp/install.log"; echo "FAIL: cmake --install" >&2; exit 1; }

data_files=(general.ini other.ini mask.ini graph.ini vard.ini vara.ini log.ini)
expected=(bin/quorvex bin/quorvex-cli bin/quorvex-launch
          "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml"
          "share/icons/hicolor/scalable/apps/$app_id.svg" share/man/man1/quorvex-cli.1)
for file in "${data_files[@]}"; do expected+=("share/quorvex/bin/$file"); done
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
for program in quorvex quorvex-cli quorvex-launch; do
  [ -x "$prefix/bin/$program" ] || fail "not executable: bin/$program"
done

desktop-file-validate "$prefix/share/applications/$app_id.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" ||
  fail "appstreamcli validate"
grep -qx "Categories=Utility;Calculator;Math;" "$prefix/share/applications/$app_id.desktop" ||
  fail "desktop entry categories"
grep -qx "Icon=$app_id" "$prefix/share/applications/$app_id.desktop" || fail "desktop entry icon"
grep -qx "Exec=quorvex-launch" "$prefix/share/applications/$app_id.desktop" ||
  fail "desktop entry starts the launcher"

# The man page names every option of --help, and the version of --version.
man_page=$prefix/share/man/man1/quorvex-cli.1
help=$("$prefix/bin/quorvex-cli" --help)
for option in $(grep -o -- '--[a-z]*' <<<"$help" | sort -u); do
  grep -qF -- "\\-\\-${option#--}" "$man_page" || fail "man page lacks $option"
done
version=$("$prefix/bin/quorvex-cli" --version)
version=${version#quorvex-cli }
grep -q "^\.TH QUORVEX-CLI 1 .*\"Quorvex $version\"" "$man_page" ||
  fail "man page version is not $version"
for status in 0 1 2; do
  grep -qx "\.B $status" "$man_page" || fail "man page lacks exit status $status"
done

# A first start seeds an empty data home with the defaults and runs there.
launch() {
  env -u XDG_DATA_HOME HOME="$tmp/home" QT_QPA_PLATFORM=offscreen QUORVEX_QUIT_AFTER_MS=1500 \
    "$@" "$prefix/bin/quorvex-launch" >"$tmp/launch.log" 2>&1
}
mkdir -p "$tmp/home" "$tmp/data"
if ! launch XDG_DATA_HOME="$tmp/data"; then
  cat "$tmp/launch.log" >&2
  fail "first start through the launcher"
fi
for file in "${data_files[@]}"; do
  cmp -s "$defaults/$file" "$tmp/data/quorvex/bin/$file" || fail "not seeded with the default: $file"
done

# A later start keeps the user's files and brings back only the missing ones.
printf 'mine\r\n' >"$tmp/data/quorvex/bin/mask.ini"
rm "$tmp/data/quorvex/bin/log.ini"
launch XDG_DATA_HOME="$tmp/data" || true
[ "$(cat "$tmp/data/quorvex/bin/mask.ini")" = $'mine\r' ] || fail "a user's file was overwritten"
cmp -s "$defaults/log.ini" "$tmp/data/quorvex/bin/log.ini" || fail "missing file not seeded again"

# Unset or relative XDG_DATA_HOME means ~/.local/share.
if ! launch XDG_DATA_HOME=relative/path; then
  cat "$tmp/launch.log" >&2
  fail "start with a relative XDG_DATA_HOME"
fi
cmp -s "$defaults/general.ini" "$tmp/home/.local/share/quorvex/bin/general.ini" ||
  fail "relative XDG_DATA_HOME did not fall back to ~/.local/share"

if [ "$failures" -ne 0 ]; then
  echo "install test: $failures failed" >&2
  exit 1
fi
echo "install test: all checks passed"
