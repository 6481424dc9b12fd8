#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what the build's include paths cannot: that no source reaches
# around them with a relative path, that the platform layer uses no widgets
# beyond the system dialogs behind the dialog service, and that the layers
# below the windows use none at all. Also checks the arrows themselves (as
# src/layers.txt lists them, which the build reads too), so a wrong include
# is named even before a build, and that no source includes another.
set -euo pipefail
cd "$(dirname "$0")/../src"

# Each folder may include its own files and those of the folders it uses.
declare -A allowed=()
while IFS=: read -r folder uses; do
    [[ $folder =~ ^[a-z]+$ ]] || continue
    allowed[$folder]="$folder $(xargs <<<"$uses")"
done <layers.txt
for folder in */; do
    folder=${folder%/}
    if [[ -z ${allowed[$folder]+set} ]]; then
        echo "src/$folder is not listed in src/layers.txt"
        exit 1
    fi
done
# The layers that use no widgets at all.
widget_free="desktop preferences files pictures library core"
# The widget classes the platform layer may name: the system dialogs only.
dialog_files="platform/QtDialogs.cpp"
widget_headers='QtWidgets|QApplication|QWidget|QMainWindow|QDialog|QLabel|QPushButton|QAbstractButton|QCheckBox|QRadioButton|QComboBox|QLineEdit|QGroupBox|QFrame|QMenu|QMenuBar|QScrollBar|QListView|QListWidget|QProgressBar|QSystemTrayIcon|QStyle|QLayout|QBoxLayout|QGridLayout|QMessageBox|QFileDialog'

status=0
for folder in "${!allowed[@]}"; do
    while IFS= read -r hit; do
        file=${hit%%:*}
        rest=${hit#*:}
        line=${rest%%:*}
        # Matched in bash: a sed for each of the thousand includes took seconds.
        [[ $rest =~ \#include\ *\"([^\"]*)\" ]] && target=${BASH_REMATCH[1]}
        if [[ $target == ../* || $target == */../* ]]; then
            echo "$file:$line: relative include \"$target\" goes around the layers"
            status=1
            continue
        fi
        layer=${target%%/*}
        [[ $target == */* ]] || continue # a file beside it, in its own folder
        if [[ " ${allowed[$folder]} " != *" $layer "* ]]; then
            echo "$file:$line: $folder may not include \"$target\" (allowed: ${allowed[$folder]})"
            status=1
        fi
    done < <(grep -Hn '#include *"' "$folder"/*.h "$folder"/*.cpp "$folder"/*.in 2>/dev/null || true)
done

while IFS= read -r hit; do
    file=${hit%%:*}
    [[ " $dialog_files " == *" $file "* ]] && continue
    echo "$hit: the platform layer uses no widgets beyond the system dialogs"
    status=1
done < <(grep -HnE "#include *<($widget_headers)>" platform/*.h platform/*.cpp || true)
for folder in $widget_free; do
    while IFS= read -r hit; do
        echo "$hit: the $folder layer uses no widgets"
        status=1
    done < <(grep -HnE "#include *<($widget_headers)>" "$folder"/*.h "$folder"/*.cpp || true)
done

# clang-tidy reads the sources in batches that include them, so it cannot
# flag a source that includes another source itself.
while IFS= read -r hit; do
    echo "$hit: a source is compiled on its own, not included"
    status=1
done < <(grep -rHnE '#include *[<"][^">]*\.(c|cc|cpp|cxx)[">]' . || true)

[ $status -eq 0 ] && echo "layers: every include follows the allowed arrows"
exit $status
