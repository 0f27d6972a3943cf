#!/usr/bin/env bash
# In a real browser (headless Chromium), on a UTF-8 page: the form that a scrambled block writes has the
# same field values, letter for letter, as the plain form of the same button file. Run for a file in
# UTF-8 and for one from the Windows program in Windows-1252. Exit status 77 (skipped) without Chromium.
#   browser-forms.sh PROGRAM SCRATCH_FOLDER
set -euo pipefail
program=$1 scratch=$2
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
    echo "Chromium is not installed: skipped"
    exit 77
fi
rm -rf "$scratch" && mkdir -p "$scratch"

# A page of `code` with a script after it that lists the fields of the page's form, one per line, in a
# <pre> that the browser's dump of the page shows.
page() {
    printf '<!DOCTYPE html><html><head><meta charset="utf-8"><title>t</title></head><body>%s\n' "$1"
    printf '<pre id="fields"></pre><script>var lines = [];\n'
    printf 'for (var e of document.forms[0].elements) lines.push(e.name + "=" + e.value);\n'
    printf 'document.getElementById("fields").textContent = lines.join("\\n");</script></body></html>\n'
}

# The field list of a page, as the browser has it once the page has loaded.
fields() {
    "$browser" --headless --no-sandbox --disable-gpu --disable-dev-shm-usage --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$scratch/profile" --dump-dom "file://$1" 2>/dev/null |
        sed -n '/<pre id="fields">/,/<\/pre>/p'
}

# The same button twice: its texts in UTF-8, and as the Windows program writes them, in Windows-1252.
# Accented letters, the euro sign, a no-break space, a letter beyond the basic plane, a typed quote.
printf '.cart\r\ncaf\xc3\xa9@example.com\r\nCaf\xc3\xa9 cr\xc3\xa8me \xe2\x80\x93 \xc2\xbd\xc2\xa0litre \xf0\x9f\x98\x80\r\nN\xc2\xba 7\r\n9,99 \xe2\x82\xac\r\nhttps://example.com/merci\r\nhttps://example.com/d\xc3\xa9sol\xc3\xa9\r\n3\r\n\r\n1\r\n1\r\nPr\xc3\xa9nom "Gift"\r\n1\r\n0\r\n' >"$scratch/utf-8.crv"
printf '.cart\r\ncaf\xe9@example.com\r\nCaf\xe9 cr\xe8me \x96 \xbd\xa0litre\r\nN\xba 7\r\n9,99 \x80\r\nhttps://example.com/merci\r\nhttps://example.com/d\xe9sol\xe9\r\n3\r\n\r\n1\r\n1\r\nPr\xe9nom "Gift"\r\n1\r\n0\r\n' >"$scratch/windows-1252.crv"
expected_name='item_name=Café crème – ½&nbsp;litre'

status=0
for file in utf-8 windows-1252; do
    page "$("$program" html --plain "$scratch/$file.crv")" >"$scratch/$file-plain.html"
    page "$("$program" html --encrypt "$scratch/$file.crv")" >"$scratch/$file-scrambled.html"
    grep -q '<script language=javascript>s="' "$scratch/$file-scrambled.html"
    fields "$scratch/$file-plain.html" >"$scratch/$file-plain.fields"
    fields "$scratch/$file-scrambled.html" >"$scratch/$file-scrambled.fields"
    if ! grep -qF "$expected_name" "$scratch/$file-plain.fields"; then
        echo "$file: the plain form lacks \"$expected_name\":" >&2
        cat "$scratch/$file-plain.fields" >&2
        status=1
    fi
    if ! cmp -s "$scratch/$file-plain.fields" "$scratch/$file-scrambled.fields"; then
        echo "$file: the scrambled form's fields differ from the plain form's:" >&2
        diff "$scratch/$file-plain.fields" "$scratch/$file-scrambled.fields" >&2 || true
        status=1
    fi
    echo "$file: $(grep -c = "$scratch/$file-plain.fields") fields alike"
done
[ "$status" -eq 0 ] && rm -rf "$scratch"
exit "$status"
