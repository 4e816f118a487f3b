# bash completion for vantorel                               -*- shell-script -*-

_vantorel() {
    local cur="${COMP_WORDS[COMP_CWORD]}"
    local IFS=$'\n'
    compopt -o filenames 2>/dev/null
    if [[ "$cur" == -* ]]; then
        COMPREPLY=($(compgen -W $'-nologo\n--help\n--version' -- "$cur"))
    else
        COMPREPLY=($(compgen -f -X '!*.[tT][iI][eE]' -- "$cur") $(compgen -d -- "$cur"))
    fi
} &&
    complete -F _vantorel vantorel

# ex: filetype=sh
