#!/usr/bin/env bash
# notepad_text.sh FILE
# FILE is text that Notepad shows as meant, on every Windows: valid UTF-8 starting with the
# byte-order mark, every line ending with CR LF and no CR anywhere else.
set -euo pipefail
file=$1
source "$(dirname "$0")/../support/checks.sh"

check "$(basename "$file") starts with the UTF-8 byte-order mark" \
    test "$(head -c 3 "$file" | od -An -tx1 | tr -d ' \n')" = efbbbf
check "$(basename "$file") is valid UTF-8" iconv -f UTF-8 -t UTF-8 -o /dev/null "$file"
check "every line of $(basename "$file") ends with CR LF, and no CR stands elsewhere" \
    perl -0777 -ne 'exit !(/\r\n\z/ && !/(?<!\r)\n/ && !/\r(?!\n)/)' "$file"
checks_done
