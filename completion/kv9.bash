# bash completion for kv9 and mcu9: their commands, options, option values, device names (from
# `list`) and file names.

_kv9_device_names() {
  # The first word of each device line, as it is typed: optional parts spelt out ("28(C)16" ->
  # "28C16"), the first of several alternatives ("16C54B/C" -> "16C54B").
  "$1" list 2>/dev/null |
    awk 'NF > 1 && $NF ~ /^[0-9]+$/ { n = $1; gsub(/[()]/, "", n); sub(/\/.*/, "", n); print n }' |
    sort -u
}

_kv9() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  local prog=${COMP_WORDS[0]##*/}
  local commands options valued formats
  if [[ $prog == mcu9 ]]; then
    commands="list info socket fuse convert checksum probe read program verify blank erase
      program-ee verify-ee firmware"
    options="-d --device -f --format --out-format --wrap --fill --fuse --verify-voltage
      --no-verify --check-id --erase --all --json -y --yes --version -h --help"
    valued="-d --device -f --format --out-format --fill --fuse --verify-voltage"
    formats="bin hex"
  else
    commands="list info socket convert checksum probe read program verify compare blank erase
      security id clock firmware"
    options="-d --device -f --format --out-format --wrap --split --swap --start --end
      --buffer-start --hex-start --hex-end --hex-offset --fill --no-verify --check-id --erase
      --all --json -y --yes --version -h --help"
    valued="-d --device -f --format --out-format --split --start --end --buffer-start
      --hex-start --hex-end --hex-offset --fill"
    formats="bin intel motorola tektronix ascii"
  fi

  case $prev in
    -d | --device)
      mapfile -t COMPREPLY < <(compgen -W "$(_kv9_device_names "${COMP_WORDS[0]}")" -- "$cur")
      return ;;
    -f | --format | --out-format)
      mapfile -t COMPREPLY < <(compgen -W "$formats" -- "$cur")
      return ;;
    --split)
      mapfile -t COMPREPLY < <(compgen -W "byte even odd" -- "$cur")
      return ;;
    --verify-voltage)
      mapfile -t COMPREPLY < <(compgen -W "3 5 6" -- "$cur")
      return ;;
    --start | --end | --buffer-start | --hex-start | --hex-end | --hex-offset | --fill | --fuse)
      return ;;  # hex digits
  esac

  if [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    return
  fi

  # The command is the first word that is neither an option nor an option's value.
  local i word command="" after=0
  for ((i = 1; i < COMP_CWORD; i++)); do
    word=${COMP_WORDS[i]}
    if [[ -n $command ]]; then
      ((after++))
    elif [[ " $valued " == *" $word "* ]]; then
      ((i++))
    elif [[ $word != -* ]]; then
      command=$word
    fi
  done

  if [[ -z $command ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$commands" -- "$cur")
    return
  fi
  case $command in
    clock) ((after == 0)) && mapfile -t COMPREPLY < <(compgen -W "read write" -- "$cur") ;;
    security) ((after == 0)) && mapfile -t COMPREPLY < <(compgen -W "1 2 3" -- "$cur") ;;
    list | fuse | probe | info | socket | blank | erase | id) ;;
    *)
      compopt -o filenames 2>/dev/null
      mapfile -t COMPREPLY < <(compgen -f -- "$cur") ;;
  esac
}

complete -F _kv9 kv9 mcu9
