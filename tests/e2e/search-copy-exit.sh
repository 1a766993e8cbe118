#!/usr/bin/env bash
# A search, a copy and the exit as a person does them, on a real X server: type part of a Latin name into
# the search box, click "検索", double-click the row found, read the clipboard through xclip, press "終　了",
# then check the files the exit writes. Leaves a screenshot of the window in OUT_DIR.
# Usage: search-copy-exit.sh PROGRAM LAYOUT_HELPER DATA_DIR OUT_DIR [ASCII_PATTERN]
set -euo pipefail
program=$1 layout=$2 data=$3 out=$4 pattern=${5:-labiata}
list="リストデータ/洋らんリスト.csv"

# shellcheck source=x11.sh
source "$(dirname "$0")/x11.sh"
e2e_init
e2e_start_xvfb

work="$E2E_TMP/work"
mkdir -p "$work"
cp -r "$data/リストデータ" "$work/"
# An old time stamp shows whether the exit wrote the list again.
touch -d '2001-01-01 00:00' "$work/$list"

# The expected row from the list's bytes: the first data row with the pattern in column 1 or else column 2;
# the fields split at the first comma.
IFS=$'\t' read -r row col name1 name2 < <(LC_ALL=C awk -v pat="$pattern" '
    NR == 1 { next }
    {
        sub(/\r$/, "")
        i = index($0, ",")
        c1 = i ? substr($0, 1, i - 1) : $0
        c2 = i ? substr($0, i + 1) : ""
        col = index(c1, pat) ? 1 : index(c2, pat) ? 2 : 0
        if (col) { printf "%d\t%d\t%s\t%s\n", NR - 1, col, c1, c2; exit }
    }' "$work/$list") || e2e_fail "no row of $list holds $pattern"
expected="$(printf '%s' "$name1" | iconv -f CP932 -t UTF-8)　$(printf '%s' "$name2" | iconv -f CP932 -t UTF-8)"
echo "expecting row $row (column $col): $expected"

e2e_layout "$layout" "$work" "$row" "$col"
e2e_start_app "$work" "$program"
e2e_wait_window "$E2E_APP"

e2e_click search_box
e2e_type "$pattern"
e2e_click search_button
e2e_click row 2
copied=""
clipboard_holds_pair() {
    copied=$(e2e_clipboard)
    [[ "$copied" == "$expected" ]]
}
e2e_wait_for 10 clipboard_holds_pair || true
mkdir -p "$out"
e2e_screenshot "$out/e2e-main-window.png" || echo "no screenshot" >&2
if [[ "$copied" != "$expected" ]]; then
    printf 'clipboard: %q\nexpected:  %q\n' "$copied" "$expected" >&2
    e2e_fail "the clipboard does not hold the row's names"
fi

e2e_click exit_button
e2e_wait_exit "$E2E_APP" 30 || e2e_fail "the program ended with status $?"

# The history holds the one search text; the list went back byte for byte, freshly written.
printf '1\r\n%s\r\n' "$pattern" | cmp - "$work/Initial.txt" || e2e_fail "Initial.txt is not the one-entry history"
cmp "$data/$list" "$work/$list" || e2e_fail "the list file changed"
[[ $(stat -c %Y "$work/$list") -gt $(date -d '2001-01-02' +%s) ]] || e2e_fail "the exit did not write the list"
echo "PASS: row $row copied as \"$expected\"; Initial.txt and the list written"
