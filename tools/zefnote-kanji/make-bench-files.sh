#!/bin/sh
# Makes the 100 MB measuring files for zefnote-kanji in DIR (default build/kanji-bench):
# Japanese prose from Debian's manual pages (package manpages-ja) in EUC-JP, Shift_JIS
# and JIS, and a plain ASCII file from the English manual pages.  Only JIS X 0208
# characters are kept (JIS X 0212 sequences are dropped), so that every converter
# compared on these files reads the same characters.  Needs iconv and python3.
set -e
dir=${1:-build/kanji-bench}
mkdir -p "$dir"
cd "$dir"
find /usr/share/man/ja -name '*.gz' | sort | xargs zcat 2>/dev/null |
    grep -v '^\.\\"' | sed -e 's/^\.[A-Za-z]\+ *//' -e 's/\\f[BIRP]//g' |
    iconv -f UTF-8 -t CP932 -c | iconv -f CP932 -t EUC-JP -c > base.euc
find /usr/share/man/man1 /usr/share/man/man8 -name '*.gz' | sort | xargs zcat 2>/dev/null |
    LC_ALL=C tr -d '\200-\377\000-\007\033' > base.txt
python3 - <<'PY'
import re
size = 100 * 1024 * 1024
def repeat(data, cut_at_line):
    out = bytearray()
    while len(out) < size:
        out += data
    end = out.rfind(b'\n', 0, size) + 1 if cut_at_line else size
    return bytes(out[:end])
euc = re.sub(rb'\x8f[\xa1-\xfe][\xa1-\xfe]', b'', open('base.euc', 'rb').read())
open('prose-100m.euc', 'wb').write(repeat(euc, True))
open('ascii-100m.txt', 'wb').write(repeat(open('base.txt', 'rb').read(), False))
PY
iconv -f EUC-JP -t CP932 prose-100m.euc > prose-100m.sjis
iconv -f EUC-JP -t ISO-2022-JP prose-100m.euc > prose-100m.jis
rm base.euc base.txt
ls -l "$PWD"
