#!/usr/bin/env bash
# Brings the translation sources of the given layers (all when none is given) up to date with
# the texts in their code: new texts appear unfinished, texts no longer used are dropped.
#   scripts/update-translations.sh [layer...]
# Each layer's texts live in i18n/ts/<layer>_<language>.ts; <layer>_en.ts holds only the English
# plural forms of texts that count with %n.
set -euo pipefail
cd "$(dirname "$0")/.."

LAYERS=(i18n xmlstore diary widgets welcome report mainwindow program)
LANGUAGES=(de fr es)
LUPDATE=${LUPDATE:-$(command -v lupdate-qt6 || command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}

[ "$#" -gt 0 ] && LAYERS=("$@")
for layer in "${LAYERS[@]}"; do
  [ -d "$layer" ] || { echo "no layer $layer" >&2; exit 2; }
  files=()
  for language in "${LANGUAGES[@]}"; do
    files+=("i18n/ts/${layer}_${language}.ts")
  done
  # (lupdate warns of every out-of-class definition; those lines say nothing about texts.)
  "$LUPDATE" -silent -locations none -no-obsolete -extensions cpp,h "$layer" -ts "${files[@]}" \
    2> >(grep -v "Ignoring definition of undeclared qualified class" >&2)
  "$LUPDATE" -silent -locations none -no-obsolete -extensions cpp,h -pluralonly "$layer" \
    -ts "i18n/ts/${layer}_en.ts" 2> >(grep -v "Ignoring definition of undeclared qualified class" >&2)
done
