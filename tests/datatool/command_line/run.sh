#!/bin/bash
# Runs quillarbon-data with each argument list of CASES and compares what it writes on
# the standard output and error, and its exit status, with EXPECTED. The command line is
# the companion's interface to scripts: its texts and statuses must not drift.
#   run.sh PROGRAM CASES EXPECTED [--write]   (--write replaces EXPECTED with today's)
# In CASES, $DIR is a fresh folder (shown as <dir>) and $DATA the folder of old Access files.
set -u
program=$(realpath "$1") cases=$(realpath "$2") expected=$(realpath "$3")
DIR=$(mktemp -d) || exit 1
trap 'rm -rf "$DIR"' EXIT
DATA=$(cd "$(dirname "$0")/../../legacy/data" && pwd)
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
printf 'NOME,FORMULA,QUANTIDADE,LOCAL,HAZARDS\nAcetona,C3H6O,1 L,Shelf A,H225 H319\n"Ácido nítrico",HNO3,500 mL,Shelf A,"H272, H314"\nÁgua,H2O,,,\n' >"$DIR/in.csv"
cd "$DIR" || exit 1

transcript() {
    while IFS= read -r line; do
        [[ -z $line || $line == \#* ]] && continue
        [[ $line == '(none)' ]] && line=''
        eval "args=($line)"
        "$program" "${args[@]}" >"$DIR/.out" 2>"$DIR/.err"
        echo "\$ $line  => $?"
        # A text repeated from the case before (the help) is shown once.
        if [[ -s $DIR/.out ]] && cmp -s "$DIR/.out" "$DIR/.before"; then
            echo "  out| (as above)"
        else
            sed 's/^/  out| /' "$DIR/.out"
        fi
        mv "$DIR/.out" "$DIR/.before"
        sed 's/^/  err| /' "$DIR/.err"
    done <"$cases" | sed -e "s#$DIR#<dir>#g" -e "s#$DATA#<data>#g"
}

if [[ ${4:-} == --write ]]; then
    transcript >"$expected"
else
    diff -u "$expected" <(transcript)
fi
