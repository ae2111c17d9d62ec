#!/usr/bin/env bash
# Checks that every include of our code names its layer from the repository root and points
# down: a folder includes only from itself and the layers below it. Prints each breach; exits
# non-zero when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

# The layers, lowest first; a folder may include from any folder earlier in this list.
LAYERS=(xmlstore app/util resources app/shell mainwindow/readings report mainwindow app/exe)

rank() {
  local i
  for i in "${!LAYERS[@]}"; do
    [ "${LAYERS[$i]}" = "$1" ] && { echo "$i"; return; }
  done
  echo -1
}

status=0
for layer in "${LAYERS[@]}"; do
  own=$(rank "$layer")
  for file in "$layer"/*.h "$layer"/*.cpp; do
    [ -e "$file" ] || continue
    while IFS= read -r target; do
      case "$target" in
        *.moc) continue ;;
        */*) ;;
        *) echo "$file: include \"$target\" does not name its layer"; status=1; continue ;;
      esac
      dir=${target%/*}
      theirs=$(rank "$dir")
      if [ "$theirs" -lt 0 ] || [ "$theirs" -gt "$own" ]; then
        echo "$file: includes \"$target\" from a layer above or outside its own"
        status=1
      fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
  done
done
exit $status
