#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Completes command lines with the tool's bash completion, as bash does on
# Tab, in a folder of sample files, and compares the candidates offered;
# with the tool, also that they are every option its help lists and every
# system it knows.
#   completion.sh COMPLETION-SCRIPT [TOOL]
set -euo pipefail
script=$(realpath "$1")
tool=${2:-}
if [ ! -f /usr/share/bash-completion/bash_completion ]; then
    echo "bash-completion is not installed (Debian: bash-completion)"
    exit 77
fi
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
touch anna.vlm ANNA.VLM mary.txt people.csv out.pdf
mkdir reports

# The words after the program's name; the last is the one being completed.
candidates()
{
    LC_ALL=C bash -c 'source /usr/share/bash-completion/bash_completion
        source "$1"; shift
        COMP_WORDS=(tavi-velmora-cli "$@"); COMP_CWORD=$#; COMP_LINE="${COMP_WORDS[*]}"; COMP_POINT=${#COMP_LINE}
        _tavi_velmora_cli
        [ ${#COMPREPLY[@]} -eq 0 ] || printf "%s\n" "${COMPREPLY[@]}" | sort -u | paste -sd " "' _ "$script" "$@"
}

failed=0
expect()
{
    local wanted=$1
    shift
    local got
    got=$(candidates "$@")
    if [ "$got" != "$wanted" ]; then
        echo "FAIL: tavi-velmora-cli $*<Tab> offered '$got', not '$wanted'"
        failed=1
    fi
}

expect "anna.vlm reports" --open ""
expect "anna.vlm reports" --save ""
expect "anna.vlm reports" --compare ""
expect "anna.vlm reports" --compare anna.vlm ""
expect "" --open A
expect "" --first John --date ""
expect "" --date 19
expect "- out.pdf reports" --pdf ""
expect "-" --open anna.vlm --pdf -
expect "- mary.txt people.csv reports" --batch --input ""
expect "csv json" --batch --format ""
expect "json text" --open anna.vlm --format ""
expect "--replace-columns" --batch --rep
expect "csv json text" --first Mary --calendar 2027 --format ""
expect "fri" --calendar 2027 --find personal-day=6 --weekday f
expect "personal-day= personal-month= personal-year=" --calendar 2027 --find ""
expect "--ics --ics-name" --calendar 2027 --ic
expect "- mary.txt people.csv reports" --variants ""
expect "csv json text" --first "Jon|John" --last Smith --format ""
expect "csv json text" --variants people.csv --format ""
expect "soulUrge=" --variants people.csv --want so
expect "--no-debts" --variants people.csv --no-
expect "lifePath,summary,yearAhead" --pdf out.pdf --sections lifePath,summary,y
expect "- reports" --odt ""
expect "csv json text" --find-client mari --format ""
expect "anna.vlm mary.txt people.csv reports" --import ""
expect "anna.vlm mary.txt people.csv reports" --import people.csv ""
expect "- people.csv reports" --export ""
expect "" --client ""
if [ -n "$tool" ]; then
    expect "$("$tool" --help | grep -o -- '--[a-z][a-z-]*' | sort -u | paste -sd " ")" -
    # "unknown system 'x'; use classic, common or chaldean (see --help)"
    systems=$( ("$tool" --batch --system x 2>&1 || true) | sed -e 's/.*; use //' -e 's/ (see --help)//' -e 's/,//g' -e 's/ or / /')
    expect "$(printf '%s\n' $systems | sort | paste -sd " ")" --system ""
fi
[ $failed -eq 0 ] && echo "every completion as expected"
exit $failed
