# SPDX-License-Identifier: MIT
# Bash completion for tavi-velmora-cli.

# Folders, and files whose names end in vlm: in lower case, as the tool takes
# them (bash-completion's _filedir would offer ANNA.VLM too).
_tavi_velmora_cli_reports()
{
    local IFS=$'\n'
    _tilde "$cur" || return
    compopt -o filenames 2>/dev/null
    COMPREPLY=($(compgen -d -- "$cur") $(compgen -f -X '!*vlm' -- "$cur"))
}

_tavi_velmora_cli()
{
    local cur prev words cword
    _init_completion || return

    case $prev in
        --first | --middle | --last | --date)
            return ;;
        --on)
            COMPREPLY=($(compgen -W "$(date +%Y-%m-%d)" -- "$cur"))
            return ;;
        --system)
            COMPREPLY=($(compgen -W "classic common chaldean" -- "$cur"))
            return ;;
        --format)
            if [[ " ${words[*]} " == *" --batch "* ]]; then
                COMPREPLY=($(compgen -W "csv json" -- "$cur"))
            elif [[ " ${words[*]} " == *" --calendar "* || " ${words[*]} " == *" --variants "* ||
                    " ${words[*]} " == *"|"* ]]; then
                COMPREPLY=($(compgen -W "text csv json" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "text json" -- "$cur"))
            fi
            return ;;
        --open | --save | --compare)
            _tavi_velmora_cli_reports
            return ;;
        --input)
            _filedir '@(csv|CSV|txt)'
            [[ -z $cur || $cur == - ]] && COMPREPLY+=(-)
            return ;;
        --pdf)
            _filedir pdf
            [[ -z $cur || $cur == - ]] && COMPREPLY+=(-)
            return ;;
        --variants)
            _filedir '@(csv|CSV|txt)'
            [[ -z $cur || $cur == - ]] && COMPREPLY+=(-)
            return ;;
        --want)
            COMPREPLY=($(compgen -W "destiny= soulUrge= personality= lifePath= birthday= personalYear=" -- "$cur"))
            compopt -o nospace 2>/dev/null
            return ;;
        --ics)
            _filedir ics
            [[ -z $cur || $cur == - ]] && COMPREPLY+=(-)
            return ;;
        --calendar)
            COMPREPLY=($(compgen -W "$(date +%Y) $(date +%Y-%m)" -- "$cur"))
            return ;;
        --find)
            COMPREPLY=($(compgen -W "personal-day= personal-month= personal-year=" -- "$cur"))
            compopt -o nospace 2>/dev/null
            return ;;
        --weekday)
            COMPREPLY=($(compgen -W "mon tue wed thu fri sat sun" -- "$cur"))
            return ;;
    esac

    # The second person of --compare: a report file or FIRST,MIDDLE,LAST,YYYY-MM-DD.
    if [[ ${words[cword - 2]} == --compare && $cur != -* ]]; then
        _tavi_velmora_cli_reports
        return
    fi

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "--first --middle --last --date --format --open --save --pdf --batch --input
                                 --replace-columns --on --explain --system --compare --calendar --ics --ics-name --find
                                 --weekday --variants --want --no-debts --fold-accents --help --version" -- "$cur"))
    fi
} &&
    complete -F _tavi_velmora_cli tavi-velmora-cli
