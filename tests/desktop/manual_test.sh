#!/usr/bin/env bash
# The built manual: a PDF of A4 pages, at least one page per chapter, whose text (as pdftotext
# reads it) holds every heading of the chapters, in order.
#   manual_test.sh MANUAL.pdf CHAPTER.md...
set -euo pipefail
pdf="$1"
shift
fail() {
    echo "FAIL: $*"
    exit 1
}
[ -s "$pdf" ] || fail "$pdf is missing or empty"
info="$(pdfinfo "$pdf")"
pages="$(sed -n 's/^Pages: *//p' <<<"$info")"
[ "${pages:-0}" -ge "$#" ] || fail "$pages pages for $# chapters"
grep -q 'Page size:.*(A4)' <<<"$info" || fail "pages are not A4: $(grep 'Page size' <<<"$info")"

# Whitespace differs between the source and the extracted text (line breaks, spacing of
# full-width text), so both are compared without it.
text="$(pdftotext -enc UTF-8 "$pdf" - | tr -d '[:space:]')"
rest="$text"
count=0
while IFS= read -r heading; do
    h="$(printf '%s' "$heading" | sed -e 's/^#\{1,6\} *//' | tr -d '[:space:]`*')"
    [ -n "$h" ] || continue
    case "$rest" in
        *"$h"*) rest="${rest#*"$h"}" ;;
        *) fail "heading [$heading] not found (in order) in the manual's text" ;;
    esac
    count=$((count + 1))
done < <(grep -h '^#' "$@")
[ "$count" -ge "$#" ] || fail "only $count headings"
echo "manual: $pages pages, $count headings found"
