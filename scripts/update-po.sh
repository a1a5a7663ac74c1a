#!/usr/bin/env bash
# Extracts every text marked N_ in the code into the template
# po/sternfahrt.pot and merges it into each language's catalogue: msgmerge
# keeps every translation, marks the ones whose German changed as fuzzy
# (the game does not use those) and adds the new texts untranslated.
#   scripts/update-po.sh          after changing a text of the game
#   scripts/update-po.sh --check  only check that the template holds the
#                                 code's texts and every catalogue all of them
set -euo pipefail
cd "$(dirname "$0")/.."

extract() {
  local sources
  mapfile -t sources < <(git ls-files 'src/*.cpp' 'src/*.h' | sort)
  xgettext --language=C++ --keyword=N_ --from-code=ASCII --package-name=Sternfahrt \
    --copyright-holder="the Sternfahrt developers" --msgid-bugs-address= -o "$1" "${sources[@]}" 2>/dev/null
  sed -i '1s/.*/# The texts of Sternfahrt, German, for translation (po\/README.md tells how)./' "$1"
}

languages() { grep -v '^#' po/LINGUAS; }

if [ "${1:-}" = "--check" ]; then
  fresh=$(mktemp --suffix=.pot)
  trap 'rm -f "$fresh"' EXIT
  extract "$fresh"
  msgcmp --use-untranslated po/sternfahrt.pot "$fresh"
  msgcmp --use-untranslated "$fresh" po/sternfahrt.pot
  for lang in $(languages); do msgcmp "po/$lang.po" po/sternfahrt.pot; done
  echo "the template and the catalogues hold every text of the code"
  exit 0
fi

extract po/sternfahrt.pot
for lang in $(languages); do
  msgmerge --quiet --update --backup=none "po/$lang.po" po/sternfahrt.pot
  msgattrib --no-obsolete -o "po/$lang.po" "po/$lang.po"
done
