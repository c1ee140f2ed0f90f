# bash completion of kalvorix-cli: its options, after -f and -t the names of
# the numeral systems (with --arith the bases alone, and the Roman system
# only as the target), after the modes of numbers in memory their usual widths.
_kalvorix_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local bases="2 3 4 5 6 7 8 9 10 11 12 13 14 15 16"
    local sources="$bases roman" targets="$bases roman all" i
    for ((i = 1; i < COMP_CWORD; i++)); do
        if [ "${COMP_WORDS[i]}" = --arith ]; then
            sources=$bases
            targets="$bases roman"
        fi
    done
    COMPREPLY=()
    case $prev in
        -f) mapfile -t COMPREPLY < <(compgen -W "$sources" -- "$cur"); return ;;
        -t) mapfile -t COMPREPLY < <(compgen -W "$targets" -- "$cur"); return ;;
        -p) return ;;  # a precision, 1 to 1000
        --code | --decode) mapfile -t COMPREPLY < <(compgen -W "8 16 32 64" -- "$cur"); return ;;
        --float | --decode-float) mapfile -t COMPREPLY < <(compgen -W "16 32 64" -- "$cur"); return ;;
    esac
    for ((i = 1; i < COMP_CWORD; i++)); do
        [ "${COMP_WORDS[i]}" = -- ] && return  # the rest are numbers
    done
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "-f -t -p --json --steps --arith --code --decode --float --decode-float --help --version --" -- "$cur")
    fi
}
complete -F _kalvorix_cli kalvorix-cli
