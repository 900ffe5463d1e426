#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings translations/vornak_en.ts in step with the texts in src/: new texts come in
# unfinished, texts no longer in the sources go. Then lists every entry still to translate
# (open the file with Qt Linguist, `linguist translations/vornak_en.ts`, or edit it).
#   bash scripts/update-translations.sh           update, then list the unfinished entries
#   bash scripts/update-translations.sh --check   change nothing; fail unless the file is in
#                                                 step and English is complete
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TS="$ROOT/translations/vornak_en.ts"
LUPDATE=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}

# No line numbers in the file, so moving code changes nothing; only a text does.
run_lupdate() { # ts-file
    "$LUPDATE" -silent -no-obsolete -locations none -source-language it_IT -target-language en_GB \
        -extensions cpp,h "$ROOT/src" -ts "$1"
}

unfinished() { # ts-file: prints each entry to translate, or that vanished from the sources
    python3 - "$1" <<'PY'
import sys, xml.etree.ElementTree as ET
bad = 0
for context in ET.parse(sys.argv[1]).getroot().iter('context'):
    name = context.findtext('name')
    for message in context.iter('message'):
        translation = message.find('translation')
        kind = translation.get('type') if translation is not None else 'unfinished'
        empty = translation is None or not (translation.text or '').strip() and \
            not list(translation.iter('numerusform'))
        if kind in ('unfinished', 'vanished', 'obsolete') or empty:
            bad += 1
            print(f"{kind or 'empty'}: [{name}] {message.findtext('source')!r}")
sys.exit(1 if bad else 0)
PY
}

# Every context that is not a class's name is one of the subjects language.h lists.
unlisted_contexts() { # ts-file
    python3 - "$1" "$ROOT/src" <<'PY'
import pathlib, re, sys, xml.etree.ElementTree as ET
sources = [p.read_text(encoding='utf-8') for p in pathlib.Path(sys.argv[2]).rglob('*') if p.suffix in ('.h', '.cpp')]
classes = {m for text in sources for m in re.findall(r'\b(?:class|struct)\s+(\w+)', text)}
listed = (pathlib.Path(sys.argv[2]) / 'language' / 'language.h').read_text(encoding='utf-8')
bad = 0
for name in sorted({c.findtext('name') for c in ET.parse(sys.argv[1]).getroot().iter('context')}):
    if name not in classes and f'"{name}"' not in listed:
        bad += 1
        print(f"context [{name}] is not listed in src/language/language.h")
sys.exit(1 if bad else 0)
PY
}

if [[ ${1:-} == --check ]]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    cp "$TS" "$scratch/vornak_en.ts"
    run_lupdate "$scratch/vornak_en.ts" >/dev/null
    if ! diff -u "$TS" "$scratch/vornak_en.ts" >"$scratch/diff"; then
        echo "translations/vornak_en.ts is not in step with src/ (run scripts/update-translations.sh):" >&2
        head -n 60 "$scratch/diff" >&2
        exit 1
    fi
    if ! unfinished "$TS" >"$scratch/left"; then
        echo "translations/vornak_en.ts has $(wc -l <"$scratch/left") entries to translate:" >&2
        cat "$scratch/left" >&2
        exit 1
    fi
    if ! unlisted_contexts "$TS" >&2; then
        exit 1
    fi
    echo "translations/vornak_en.ts: in step with src/, English complete"
    exit 0
fi

run_lupdate "$TS"
if unfinished "$TS"; then
    echo "translations/vornak_en.ts: English complete"
fi
