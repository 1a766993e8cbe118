#!/usr/bin/env bash
# The program as the desktop menu starts it: the command of the installed desktop entry, with a fresh home
# folder and a working directory without lists. The first start fills ~/.local/share/veradex with the shipped
# lists; an added row is saved there on exit; a second start keeps it and brings back only a list the user
# no longer has.
# Usage: user-data-launcher.sh LAYOUT_HELPER PREFIX      an installed tree, e.g. /usr from the package
#        user-data-launcher.sh LAYOUT_HELPER --stage BUILD_DIR   installs BUILD_DIR into a temporary prefix first
set -euo pipefail
layout=$1
# shellcheck source=x11.sh
source "$(dirname "$0")/x11.sh"
e2e_init

if [[ $2 == --stage ]]; then
    prefix="$E2E_TMP/usr"
    cmake --install "$3" --prefix "$prefix" --component veradex >"$E2E_TMP/install.log" ||
        { cat "$E2E_TMP/install.log" >&2; e2e_fail "cmake --install failed"; }
else
    prefix=$2
fi
entry="$prefix/share/applications/org.example.suireikai.Veradex.desktop"
shipped="$prefix/share/veradex"
[[ -f "$entry" ]] || e2e_fail "no desktop entry $entry"
[[ -d "$shipped/リストデータ" ]] || e2e_fail "no shipped lists under $shipped"
command=$(sed -n 's/^Exec=//p' "$entry" | head -n1)
# The entry holds no field codes (%f, %u ...) and no quoting, so its words are the command.
read -r -a words <<<"$command"
[[ ${#words[@]} -gt 0 ]] || e2e_fail "the desktop entry has no command"

home="$E2E_TMP/home"
elsewhere="$E2E_TMP/elsewhere"
mkdir -p "$home" "$elsewhere"
user="$home/.local/share/veradex"
list="リストデータ/洋らんリスト.csv"
launch() {
    e2e_start_app "$elsewhere" env -u XDG_DATA_HOME HOME="$home" PATH="$prefix/bin:$PATH" "${words[@]}"
    e2e_wait_window "$E2E_APP"
}
quit() {
    e2e_click exit_button
    e2e_wait_exit "$E2E_APP" 30 || e2e_fail "the program ended with status $?"
}

e2e_start_xvfb
e2e_layout "$layout" "$shipped"

# First start: the user's folder holds a copy of every shipped file.
launch
(cd "$shipped" && find . -type f) | while read -r f; do
    cmp "$shipped/$f" "$user/$f" || e2e_fail "$f was not copied into $user"
done
[[ ! -e "$elsewhere/Initial.txt" ]] || e2e_fail "the working directory was used"
e2e_click memo1
e2e_key ctrl+a
e2e_type "E2E"
e2e_click memo2
e2e_key ctrl+a
e2e_type "Testus launcheri"
e2e_click add_button
quit
lines=$(wc -l <"$shipped/$list")
[[ $(wc -l <"$user/$list") -eq $((lines + 1)) ]] || e2e_fail "the list in $user does not have one more row"
[[ "$(tail -n1 "$user/$list")" == $'E2E,Testus launcheri\r' ]] || e2e_fail "the added row was not saved"
printf '0\r\n' | cmp - "$user/Initial.txt" || e2e_fail "no empty history in $user"
[[ -z "$(find "$elsewhere" -mindepth 1)" ]] || e2e_fail "files were written into the working directory"

# Second start: the edited list stays; a list the user deleted comes back from the shipped ones.
cp "$user/$list" "$E2E_TMP/edited.csv"
rm "$user/リストデータ/属名和名対応.csv"
launch
cmp "$shipped/リストデータ/属名和名対応.csv" "$user/リストデータ/属名和名対応.csv" ||
    e2e_fail "a missing list was not copied again"
quit
cmp "$E2E_TMP/edited.csv" "$user/$list" || e2e_fail "the second start did not keep the edited list"
echo "PASS: $command filled $user, kept the added row across two starts"
