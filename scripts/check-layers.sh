#!/usr/bin/env bash
# Checks that every include of our code names its layer from the repository root and points
# down, and that every link between our targets points down too: a folder includes from and
# links to only itself and the layers below it. The lowest layers (the store and the diary) use
# Qt Core alone. Prints each breach; exits non-zero when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

# The layers, lowest first; a folder may include from any folder earlier in this list.
LAYERS=(i18n xmlstore diary resources widgets welcome report mainwindow program)

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
# The targets each folder's CMakeLists.txt builds.
declare -A TARGET_LAYER=(
  [i18n]=i18n [i18n_forms]=i18n [xmlstore]=xmlstore [diary]=diary [tlgresources]=resources [widgets]=widgets
  [welcome]=welcome [report]=report [mainwindow]=mainwindow [startup]=program [tlg]=program
)
CORE_ONLY=(i18n xmlstore diary)

for layer in "${LAYERS[@]}"; do
  own=$(rank "$layer")
  cmake_file="$layer/CMakeLists.txt"
  [ -e "$cmake_file" ] || continue
  # The words of every target_link_libraries(...) call, which may span several lines.
  links=$(tr '\n' ' ' < "$cmake_file" | grep -o 'target_link_libraries([^)]*)' |
            sed 's/^target_link_libraries(//; s/)$//' | tr ' ' '\n' | sed '/^$/d' || true)
  while IFS= read -r word; do
    [ -n "$word" ] || continue
    if [ -n "${TARGET_LAYER[$word]+set}" ]; then
      theirs=$(rank "${TARGET_LAYER[$word]}")
      if [ "$theirs" -gt "$own" ]; then
        echo "$cmake_file: links \"$word\" from a layer above its own"
        status=1
      fi
    fi
    case " ${CORE_ONLY[*]} " in
      *" $layer "*)
        case "$word" in
          Qt6::Core | Qt::Core) ;;
          Qt6::* | Qt::*) echo "$cmake_file: links \"$word\" where Qt Core alone is allowed"; status=1 ;;
        esac
        ;;
    esac
  done <<< "$links"
done
for layer in "${CORE_ONLY[@]}"; do
  for file in "$layer"/*.h "$layer"/*.cpp; do
    [ -e "$file" ] || continue
    if grep -qE '^#include <(QtGui|QtWidgets|QWidget|QPainter|QColor|QImage|QPixmap|QApplication|QGuiApplication)' "$file"; then
      echo "$file: includes a Qt Gui or Widgets header where Qt Core alone is allowed"
      status=1
    fi
  done
done
exit $status
