#!/usr/bin/env bash
# Brings translations/*.ts up to date with the code: new texts appear unfinished, texts no
# longer in the code are dropped. Translate the unfinished ones in Qt Linguist (linguist6, or any
# text editor), then build: the .qm files are made from the .ts files at build time.
#   bash scripts/update-translations.sh            # every language
#   bash scripts/update-translations.sh it         # start a new language (Italian)
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-$(command -v lupdate6 || echo /usr/lib/qt6/bin/lupdate)}
ts=(translations/plumbline_*.ts)
for language in "$@"; do ts+=("translations/plumbline_$language.ts"); done
# No line numbers: a text that moves in the code does not change the translation files.
# -I .: includes are written from the top folder; without it lupdate misses the classes of
# namespaces (ui::index::AboutDialog) and files their texts under a context tr() never asks for.
"$lupdate" -locations none -no-ui-lines -no-obsolete -extensions cpp,h -I . \
    app core storage platform render ui tools -ts "${ts[@]}"
