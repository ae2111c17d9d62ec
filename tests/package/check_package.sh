#!/usr/bin/env bash
# Packs this build into a Debian package in a temporary folder and checks it as a user's
# machine would meet it: the exact list of files, the control fields, lintian, the desktop
# entry and AppStream validators, the icons, the manual pages and menu texts in each language
# the program speaks, and the unpacked tlg run against the system's Qt.
# Nothing is installed: the package is only unpacked into a temporary root.
# Arguments: the build folder, the project version, the application id.
# Exits 77 (skipped) when the packaging tools are missing (scripts/setup.sh package).
set -uo pipefail

BUILD="$1"
VERSION="$2"
APP_ID="$3"

for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli man lexgrog; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is missing (bash scripts/setup.sh package installs the packaging tools)"
    exit 77
  fi
done

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
export HOME="$WORK/home"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_CACHE_HOME="$HOME/.cache"
export XDG_RUNTIME_DIR="$WORK/runtime"
export DBUS_SESSION_BUS_ADDRESS=disabled:
# The program speaks English unless a check below asks for another language.
export LC_ALL=C.UTF-8
unset LANGUAGE LC_MESSAGES LANG
# The languages besides English: the manual page, the menu entry and AppStream carry each.
LANGUAGES=(de es fr)
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# ---- The package: one file, named as Debian names packages.
ARCH="$(dpkg --print-architecture)"
if ! cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK/out" >"$WORK/cpack.log" 2>&1; then
  cat "$WORK/cpack.log" >&2
  echo "FAIL: cpack could not make the package" >&2
  exit 1
fi
DEB="$WORK/out/tlg_${VERSION}_${ARCH}.deb"
if [ ! -f "$DEB" ]; then
  ls "$WORK/out" >&2
  echo "FAIL: no package named tlg_${VERSION}_${ARCH}.deb" >&2
  exit 1
fi
echo "package: $(basename "$DEB")"

# ---- Control fields.
field() { dpkg-deb -f "$DEB" "$1"; }
[ "$(field Package)" = tlg ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$VERSION" ] || fail "Version is '$(field Version)', not $VERSION"
[ "$(field Architecture)" = "$ARCH" ] || fail "Architecture is '$(field Architecture)'"
for name in Section Priority Maintainer Homepage; do
  [ -n "$(field "$name")" ] || fail "the $name field is empty"
done
# The library dependencies found by dpkg-shlibdeps.
depends="$(field Depends)"
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6printsupport6; do
  [[ ", $depends," == *", $lib "* ]] || fail "Depends lacks $lib: $depends"
done
# Qt's own texts (standard buttons, the print dialog) in the user's language.
[[ ", $depends," == *", qt6-translations-l10n,"* ]] ||
  fail "Depends lacks qt6-translations-l10n: $depends"

# ---- The files, exactly: a stray or missing file fails.
expected="$WORK/expected.txt"
{
  echo ./usr/bin/tlg
  echo "./usr/share/applications/$APP_ID.desktop"
  echo "./usr/share/metainfo/$APP_ID.metainfo.xml"
  echo "./usr/share/icons/hicolor/scalable/apps/$APP_ID.svg"
  for size in 16 32 48 64 128 256; do
    echo "./usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
  done
  echo ./usr/share/man/man1/tlg.1.gz
  for lang in "${LANGUAGES[@]}"; do
    echo "./usr/share/man/$lang/man1/tlg.1.gz"
  done
  for doc in LICENSE README.md changelog.gz copyright; do
    echo "./usr/share/doc/tlg/$doc"
  done
} | sort >"$expected"
dpkg-deb -c "$DEB" >"$WORK/contents.txt"
awk '$1 !~ /^d/ { print $6 }' "$WORK/contents.txt" | sort >"$WORK/files.txt"
if ! diff -u "$expected" "$WORK/files.txt"; then
  fail "the package's files differ from the list above (- expected, + in the package)"
fi
# Files and folders belong to root and are not writable by others.
if awk '$2 != "root/root" || $1 ~ /^.......w/' "$WORK/contents.txt" | grep .; then
  fail "entries above are not owned by root or are writable by everyone"
fi

# ---- lintian: no errors and no warnings (information tags are shown).
out="$(lintian --display-info --fail-on error,warning "$DEB" 2>&1)"
rc=$?
grep -v "running with root privileges" <<<"$out"
[ $rc -eq 0 ] || fail "lintian reports errors or warnings (above)"

# ---- What it installs, unpacked into a temporary root.
ROOT="$WORK/root"
dpkg-deb -x "$DEB" "$ROOT"
DESKTOP="$ROOT/usr/share/applications/$APP_ID.desktop"
METAINFO="$ROOT/usr/share/metainfo/$APP_ID.metainfo.xml"

out="$(desktop-file-validate "$DESKTOP" 2>&1)"
rc=$?
[ -n "$out" ] && echo "$out"
if [ $rc -ne 0 ] || grep -qiE "error|warning" <<<"$out"; then
  fail "desktop-file-validate reports errors or warnings"
fi
desktop_key() { sed -n "s/^$1=//p" "$DESKTOP"; }
[ "$(desktop_key Exec)" = "tlg %f" ] || fail "the menu entry runs '$(desktop_key Exec)', not 'tlg %f'"
# A file manager offers "Open with Tensiolog" for CSV files.
grep -qx "MimeType=text/csv;" "$DESKTOP" || fail "the menu entry does not declare text/csv"
[ "$(desktop_key Icon)" = "$APP_ID" ] || fail "the menu entry's icon is '$(desktop_key Icon)'"
[ "$(desktop_key Terminal)" = false ] || fail "the menu entry opens a terminal"
# Each language has its own menu texts: the name, and a generic name, comment and search
# words of its own (not the English ones).
for lang in "${LANGUAGES[@]}"; do
  [ "$(desktop_key "Name\\[$lang\\]")" = Tensiolog ] || fail "the menu entry lacks Name[$lang]"
  for key in GenericName Comment Keywords; do
    value="$(desktop_key "$key\\[$lang\\]")"
    { [ -n "$value" ] && [ "$value" != "$(desktop_key "$key")" ]; } ||
      fail "the menu entry lacks a $key[$lang] of its own"
  done
done

out="$(appstreamcli validate --no-net --pedantic "$METAINFO" 2>&1)"
rc=$?
echo "$out"
if [ $rc -ne 0 ] || grep -qE "^[EW]:" <<<"$out"; then
  fail "appstreamcli validate reports errors or warnings"
fi
out="$(appstreamcli validate-tree --no-net "$ROOT" 2>&1)" || { echo "$out"; fail "appstreamcli validate-tree fails on the installed tree"; }
grep -qF "<id>$APP_ID</id>" "$METAINFO" || fail "the AppStream id is not $APP_ID"
grep -qF "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$METAINFO" ||
  fail "the AppStream launchable is not $APP_ID.desktop"
grep -qE "<release version=\"$VERSION\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\"" "$METAINFO" ||
  fail "the newest AppStream release is not $VERSION with a date"
# Each language has the summary and every paragraph of the description.
paragraphs="$(grep -c "^ *<p>$" "$METAINFO")"
for lang in "${LANGUAGES[@]}"; do
  grep -qF "<summary xml:lang=\"$lang\">" "$METAINFO" || fail "AppStream lacks a $lang summary"
  [ "$(grep -c "<p xml:lang=\"$lang\">" "$METAINFO")" = "$paragraphs" ] ||
    fail "AppStream lacks $lang paragraphs of the description (it has $paragraphs)"
done
zcat "$ROOT/usr/share/doc/tlg/changelog.gz" | head -n 1 | grep -qF "tlg ($VERSION)" ||
  fail "the changelog does not start with version $VERSION"
for page in "$ROOT"/usr/share/man/man1/tlg.1.gz "$ROOT"/usr/share/man/{de,es,fr}/man1/tlg.1.gz; do
  [ -f "$page" ] || continue
  zcat "$page" | grep -q "^\.TH TLG 1 .*\"tlg $VERSION\"" ||
    fail "the manual page $page is not for tlg $VERSION"
  # man -k finds it: its name section reads "tlg - ..." in any language.
  lexgrog "$page" 2>/dev/null | grep -q ": \"tlg - " || fail "man -k does not find $page"
  # It reads without groff's warnings (what lintian checks).
  warnings="$(MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || fail "the manual page $page has warnings: $warnings"
done

# Each PNG icon is as large as the folder it lies in says (PNG width and height are the
# big-endian numbers at bytes 16 and 20).
for size in 16 32 48 64 128 256; do
  png="$ROOT/usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
  [ -f "$png" ] || continue
  dims="$(od -An -tu1 -j16 -N8 "$png" | awk '{ printf "%dx%d", ($1*2^24)+($2*2^16)+($3*2^8)+$4, ($5*2^24)+($6*2^16)+($7*2^8)+$8 }')"
  [ "$dims" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $dims"
done

# ---- The unpacked program, with the system's Qt (no build folder on its library path).
TLG="$ROOT/usr/bin/tlg"
if readelf -d "$TLG" | grep -qE "RPATH|RUNPATH"; then
  fail "tlg carries a library search path: $(readelf -d "$TLG" | grep -E 'RPATH|RUNPATH')"
fi
if env -u LD_LIBRARY_PATH ldd "$TLG" | grep "not found"; then
  fail "tlg needs libraries the system does not have (above)"
fi
version="$(env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen timeout 20 "$TLG" --version 2>&1)"
rc=$?
[ $rc -eq 0 ] || fail "tlg --version ended with code $rc: $version"
[ "$version" = "tlg $VERSION" ] || fail "tlg --version says '$version', not 'tlg $VERSION'"

# The installed program starts (first run: its own data folder), and a termination request
# ends it as a close would: the readings file is written.
rm -f "$XDG_DATA_HOME/crtlg.dat"
env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen "$TLG" >"$WORK/run.log" 2>&1 &
pid=$!
sleep 3
if kill -0 "$pid" 2>/dev/null; then
  kill -TERM "$pid"
  for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
  kill -0 "$pid" 2>/dev/null && { kill -KILL "$pid"; fail "tlg did not end after SIGTERM"; }
  wait "$pid"
  rc=$?
  [ $rc -eq 0 ] || fail "tlg ended with code $rc after SIGTERM: $(cat "$WORK/run.log")"
  [ -s "$XDG_DATA_HOME/crtlg.dat" ] || fail "tlg did not write its readings file on SIGTERM"
else
  wait "$pid"
  fail "tlg ended by itself within 3 s (code $?): $(cat "$WORK/run.log")"
fi

# The manual page describes exactly the long options tlg --help lists, in each language: an
# option --help gives to export or to import alone is described so in the manual too.
# Arguments: the language (en: none), the page, and the words by which --help and the page
# say that an option is the export's or the import's (help-export help-import page-export
# page-import, as Python regular expressions).
compare_help_and_manual() {
  local lang="$1" page="$2"
  shift 2
  local help rc
  if [ "$lang" = en ]; then
    help="$(env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen timeout 10 "$TLG" --help 2>&1)"
  else
    local region="${lang}_${lang^^}"
    help="$(env -u LD_LIBRARY_PATH -u LC_ALL LANGUAGE="$lang" LANG="$region.UTF-8" \
      QT_QPA_PLATFORM=offscreen timeout 10 "$TLG" --help 2>&1)"
  fi
  rc=$?
  if [ $rc -ne 0 ] || ! grep -q -- "--version" <<<"$help"; then
    fail "tlg --help ($lang) ended with code $rc: $help"
    return
  fi
  printf '%s\n' "$help" >"$WORK/help.$lang.txt"
  zcat "$page" | sed 's/\\-/-/g' >"$WORK/tlg.$lang.1"
  grep -oE -- "--[a-z][a-z-]*[a-z]" "$WORK/help.$lang.txt" | sort -u >"$WORK/help-options.txt"
  grep -oE -- "--[a-z][a-z-]*[a-z]" "$WORK/tlg.$lang.1" | sort -u >"$WORK/man-options.txt"
  diff -u "$WORK/help-options.txt" "$WORK/man-options.txt" ||
    fail "the $lang manual page's options (+) differ from those of tlg --help (-)"
  local mismatches
  mismatches="$(/usr/bin/python3 - "$WORK/tlg.$lang.1" "$WORK/help.$lang.txt" "$@" <<'PY'
import re, sys
page, help_file, help_export, help_import, page_export, page_import = sys.argv[1:7]
help_text = open(help_file, encoding="utf-8").read()
scope = {}
pattern = r"^\s+(--[a-z-]+)(?: <[^>]+>)?\s+(?:(%s)|(%s))" % (help_export, help_import)
for match in re.finditer(pattern, help_text, re.M):
    scope[match.group(1)] = "export" if match.group(2) else "import"
if len(scope) < 4:
    print(f"--help names only {sorted(scope)} as the export's or the import's")
expected = {"export": page_export, "import": page_import}
lines = open(page, encoding="utf-8").read().splitlines()
for i, line in enumerate(lines):
    found = re.match(r"^\.B[IR]? (--[a-z-]+)", line)
    if not found or found.group(1) not in scope or i == 0 or lines[i - 1] != ".TP":
        continue
    text = next((l for l in lines[i + 1:] if not l.startswith(".")), "")
    if not re.match(expected[scope[found.group(1)]], text):
        print(f"{found.group(1)}: --help says {scope[found.group(1)]} only, the manual: {text!r}")
PY
)"
  [ -z "$mismatches" ] || fail "the $lang manual page and tlg --help disagree: $mismatches"
}
MAN="$ROOT/usr/share/man"
compare_help_and_manual en "$MAN/man1/tlg.1.gz" "Export:" "Import:" "On export" "On import"
compare_help_and_manual de "$MAN/de/man1/tlg.1.gz" "Export:" "Import:" "Beim Export" "Beim Import"
compare_help_and_manual es "$MAN/es/man1/tlg.1.gz" "Exportación:" "Importación:" "Al exportar" \
  "Al importar"
compare_help_and_manual fr "$MAN/fr/man1/tlg.1.gz" "Export :" "Import :" "À l'export" "À l'import"
# The help is the translated one, not English (the program's own words in each language).
for probe in "de:Schreibt" "es:Escribe" "fr:Écrit"; do
  grep -q -- "${probe#*:}" "$WORK/help.${probe%%:*}.txt" 2>/dev/null ||
    fail "tlg --help under ${probe%%:*} is not in that language"
done

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "package checks passed"
