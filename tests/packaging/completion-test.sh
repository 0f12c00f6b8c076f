#!/usr/bin/env bash
# Checks the bash completion of quillonctl against the program it completes for.
# Usage: completion-test.sh COMPLETION_FILE BIN_DIR (BIN_DIR holds quillonctl)
set -euo pipefail
# shellcheck source=/dev/null
source "$1"
bin=$(realpath "$2")
export PATH="$bin:$PATH"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/exports" && touch "$work/profile.xml"
cd "$work"

# Completion functions run in an interactive shell, without these.
set +eu
failed=0
# Each case: the line typed before the cursor (its last word is the one being completed, empty
# after a trailing blank) | the completions expected, sorted, joined by blanks.
while IFS='|' read -r line expected; do
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *' ' ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _quillonctl
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | tr '\n' ' ' | sed 's/ $//')
    if [[ $got != "$expected" ]]; then
        echo "FAIL: '$line' completed to '$got', expected '$expected'"
        failed=1
    fi
done <<'CASES'
quillonctl pro|profile
quillonctl re|read reset restore-defaults
quillonctl profile |export import list use
quillonctl profile use |
quillonctl macro ex|export
quillonctl --profile 2 macro ex|export
quillonctl --json dpi s|select set
quillonctl rate 2|250
quillonctl --js|--json
quillonctl --emu|--emulate
quillonctl profile import pro|profile.xml
quillonctl macro export 3 ex|exports
quillonctl --data-dir ex|exports
quillonctl --config pro|profile.xml
quillonctl models |
CASES
if [[ $failed -ne 0 ]]; then
    exit 1
fi
echo "completion: every case completed as expected"
