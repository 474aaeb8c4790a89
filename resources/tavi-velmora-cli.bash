# SPDX-License-Identifier: MIT
# Bash completion for tavi-velmora-cli.
_tavi_velmora_cli()
{
    local cur prev words cword
    _init_completion || return

    case $prev in
        --first | --middle | --last)
            return ;;
        --date | --on)
            COMPREPLY=($(compgen -W "$(date +%Y-%m-%d)" -- "$cur"))
            return ;;
        --format)
            if [[ " ${words[*]} " == *" --batch "* ]]; then
                COMPREPLY=($(compgen -W "csv json" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "text json" -- "$cur"))
            fi
            return ;;
        --open | --save | --compare)
            _filedir vlm
            return ;;
        --input)
            _filedir '@(csv|CSV|txt)'
            [[ -z $cur || $cur == - ]] && COMPREPLY+=(-)
            return ;;
        --pdf)
            _filedir pdf
            return ;;
    esac

    # The second person of --compare: a report file or FIRST,MIDDLE,LAST,YYYY-MM-DD.
    if [[ ${words[cword - 2]} == --compare && $cur != -* ]]; then
        _filedir vlm
        return
    fi

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "--first --middle --last --date --format --open --save --pdf --batch --input
                                 --on --explain --compare --fold-accents --replace-columns --help --version" -- "$cur"))
    fi
} &&
    complete -F _tavi_velmora_cli tavi-velmora-cli
