#!/usr/bin/env bash
# zefnote-kanji as a user runs it: guessing, converting there and back, and the
# failures (missing file, bad option) that must say why and leave no output file.
# Usage: zefnote_kanji_test.sh PROGRAM SAMPLE
set -u
prog=$1 sample=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fails=0
check() { # description, then a command that must succeed
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; fails=$((fails + 1)); fi
}

printf 'plain ascii\r\n' >"$work/ascii.txt"
check "guess names each file and its code" \
  test "$("$prog" --guess "$sample" "$work/ascii.txt")" = "$sample: SJIS
$work/ascii.txt: ASCII"

"$prog" -e "$sample" >"$work/euc.txt"
# JIS has no half-width katakana (they become full-width), so the JIS round trip uses
# the part of the sample before its first half-width kana.
head -n 13 "$sample" >"$work/x0208.txt"
"$prog" -j "$work/x0208.txt" >"$work/jis.txt"
check "EUC-JP form is guessed as EUC" test "$("$prog" --guess "$work/euc.txt")" = "$work/euc.txt: EUC"
check "JIS form is guessed as JIS" test "$("$prog" --guess "$work/jis.txt")" = "$work/jis.txt: JIS"
check "EUC-JP back to Shift_JIS gives the sample" cmp -s <("$prog" -s "$work/euc.txt") "$sample"
check "JIS back to Shift_JIS gives the text (from standard input)" \
  cmp -s <("$prog" -s <"$work/jis.txt") "$work/x0208.txt"
check "-o writes the converted file" sh -c "'$prog' -s -o '$work/out.txt' '$work/euc.txt' && cmp -s '$work/out.txt' '$sample'"

# UTF-8 and UTF-16: the sample's UTF-8 form as iconv made it (beside the sample).
utf8=${sample%-sjis.txt}-utf8.txt
check "-w gives the UTF-8 that iconv gives" cmp -s <("$prog" -w "$sample") "$utf8"
check "UTF-8 is guessed as UTF8" test "$("$prog" --guess "$utf8")" = "$utf8: UTF8"
check "UTF-8 back to Shift_JIS gives the sample" cmp -s <("$prog" -s "$utf8") "$sample"
{ printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$utf8"; } >"$work/le.txt"
{ printf '\xfe\xff'; iconv -f UTF-8 -t UTF-16BE "$utf8"; } >"$work/be.txt"
check "UTF-16 is guessed by its mark" test "$("$prog" --guess "$work/le.txt" "$work/be.txt")" = "$work/le.txt: UTF16LE
$work/be.txt: UTF16BE"
check "UTF-16LE to Shift_JIS gives the sample" cmp -s <("$prog" -s "$work/le.txt") "$sample"
check "UTF-16BE to UTF-8 gives the UTF-8 form" cmp -s <("$prog" -w "$work/be.txt") "$utf8"
check "UTF-8 to EUC-JP gives the sample's EUC-JP" cmp -s <("$prog" -e "$utf8") "$work/euc.txt"
check "UTF-8 input to -w is copied unchanged" cmp -s <("$prog" -w "$utf8") "$utf8"
printf 'a\xf0\x9f\x98\x80b\r\n' >"$work/emoji.txt"
"$prog" -s "$work/emoji.txt" >"$work/emoji-sjis.txt" 2>"$work/err"
check "a character Shift_JIS lacks becomes the geta mark and is reported" \
  sh -c "printf 'a\\201\\254b\\r\\n' | cmp -s - '$work/emoji-sjis.txt' && grep -q '1 characters' '$work/err'"

"$prog" -s "$work/missing.txt" >/dev/null 2>"$work/err"
rc=$?
check "a missing file fails with a message" test "$rc" -ne 0 -a -s "$work/err"
"$prog" -s -o "$work/never.txt" "$work/missing.txt" 2>/dev/null
check "a failed conversion leaves no output file" test ! -e "$work/never.txt"
"$prog" --bogus >/dev/null 2>"$work/err"
rc=$?
check "a bad option fails with a message" test "$rc" -ne 0 -a -s "$work/err"
check "--help succeeds" sh -c "'$prog' --help >/dev/null"

echo "$fails failed"
[ "$fails" -eq 0 ]
