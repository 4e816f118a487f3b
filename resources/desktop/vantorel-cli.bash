# bash completion for vantorel-cli                           -*- shell-script -*-

_vantorel_cli_missions() {
    # Missions, folders, and '-' where a file may be standard input or output.
    local IFS=$'\n'
    COMPREPLY+=($(compgen -f -X '!*.[tT][iI][eE]' -- "$1") $(compgen -d -- "$1"))
    [[ "$1" == "" || "$1" == "-" ]] && COMPREPLY+=(-)
}

_vantorel_cli() {
    local cur="${COMP_WORDS[COMP_CWORD]}"
    local prev="${COMP_WORDS[COMP_CWORD - 1]}"
    local commands="add catalogue dump new page render report roundtrip"
    COMPREPLY=()
    compopt -o filenames 2>/dev/null

    if ((COMP_CWORD == 1)); then
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi
    local command="${COMP_WORDS[1]}"
    # The word before the cursor, when it is an option that takes a value.
    case "$prev" in
        -o | --output)
            if [[ "$command" == render ]]; then
                local IFS=$'\n'
                COMPREPLY=($(compgen -f -X '!*.png' -- "$cur") $(compgen -d -- "$cur"))
            else
                _vantorel_cli_missions "$cur"
            fi
            return ;;
        --view)
            if [[ "$command" == page ]]; then
                COMPREPLY=($(compgen -W "normal waypoints briefing" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "top front side 3d" -- "$cur"))
            fi
            return ;;
        --iff)
            if [[ "$command" == add ]]; then
                COMPREPLY=($(compgen -W "rebel imperial pirate" -- "$cur"))
            else
                COMPREPLY=($(compgen -W "rebel imperial" -- "$cur"))
            fi
            return ;;
        --format) COMPREPLY=($(compgen -W "xvt bop" -- "$cur")); return ;;
        --teams) COMPREPLY=($(compgen -W "2 4 8" -- "$cur")); return ;;
        --team | --size | --mine | --support | --seed | --zoom | --select | --players | \
            --message | --order | --goal | --set | --dialog) return ;;
    esac

    local options=""
    case "$command" in
        dump | report)
            ((COMP_CWORD == 2)) && _vantorel_cli_missions "$cur"
            return ;;
        roundtrip)
            ((COMP_CWORD <= 3)) && _vantorel_cli_missions "$cur"
            return ;;
        catalogue) return ;;
        page)
            if ((COMP_CWORD == 2)); then
                _vantorel_cli_missions "$cur"
                return
            fi
            if ((COMP_CWORD == 3)); then
                COMPREPLY=($(compgen -W "level.flightgroups level.teams level.messages
                    level.debriefing level.level fg.ship fg.equipment fg.arrival fg.departure
                    fg.orders fg.goals fg.positions fg.other message.general message.condition
                    message.wave team.general team.goals team.goalstrings team.briefing" \
                    -- "$cur"))
                return
            fi
            options="--select --team --message --order --goal --view --dialog --set -o" ;;
        render)
            options="-o --view --size --waypoints --zoom --select --centre-selection"
            if [[ "$cur" != -?* ]]; then _vantorel_cli_missions "$cur"; fi ;;
        new)
            if ((COMP_CWORD == 2)); then
                COMPREPLY=($(compgen -W "melee combat training" -- "$cur"))
                return
            fi
            case "${COMP_WORDS[2]}" in
                melee) options="--teams --format -o" ;;
                combat) options="--players --format -o" ;;
                *) options="--players --iff --format -o" ;;
            esac ;;
        add)
            if ((COMP_CWORD == 2)); then
                _vantorel_cli_missions "$cur"
                return
            fi
            if ((COMP_CWORD == 3)); then
                COMPREPLY=($(compgen -W "fleet station asteroids minefield" -- "$cur"))
                return
            fi
            case "${COMP_WORDS[3]}" in
                fleet) options="--team --iff --size --support --seed -o" ;;
                station) options="--team --cargo --shuttle --seed -o" ;;
                asteroids) options="--size --seed -o" ;;
                *) options="--team --size --mine --seed -o" ;;
            esac ;;
        *) return ;;
    esac
    if [[ "$cur" == -* ]]; then
        COMPREPLY+=($(compgen -W "$options --help" -- "$cur"))
    fi
} &&
    complete -F _vantorel_cli vantorel-cli

# ex: filetype=sh
