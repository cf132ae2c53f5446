# bash completion for quillmere-cli
_quillmere_cli()
{
    # Plain bash, without the bash-completion package's helpers.
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local cword=$COMP_CWORD
    local -a words=("${COMP_WORDS[@]}")
    COMPREPLY=()

    local commands="list eject eject-all remount rename erase blockers history"
    local command="" word
    for word in "${words[@]:1:cword-1}"; do
        case $word in
            -*) ;;
            *) command=$word; break ;;
        esac
    done

    case $prev in
        --format)
            COMPREPLY=($(compgen -W "ext4 ExFAT FAT32 NTFS" -- "$cur"))
            return ;;
        --export)
            compopt -o filenames 2>/dev/null
            COMPREPLY=($(compgen -f -- "$cur"))
            return ;;
        --name|--limit)
            return ;;
    esac

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "--help --help-all --version" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        fi
        return
    fi

    local options="--help"
    case $command in
        list) options+=" --all --json --watch" ;;
        eject) options+=" --force" ;;
        erase) options+=" --format --name --yes" ;;
        history) options+=" --limit --json --export" ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    # VOLUME: the mounted devices and mount points the system lists.
    case $command in
        eject|remount|rename|erase|blockers)
            local volumes
            volumes=$(lsblk -nrpo NAME,MOUNTPOINT 2>/dev/null | awk '{ sub("^/dev/", "", $1); print $1; if ($2 != "") print $2 }')
            local IFS=$'\n'
            COMPREPLY=($(compgen -W "$volumes" -- "$cur"))
            ;;
    esac
} &&
    complete -F _quillmere_cli quillmere-cli
