#!/usr/bin/env bash
# The layers include only downward: every folder below may include itself and the folders named for
# it, nothing else. A folder that is not listed fails too, so that a new one is placed on purpose.
# Usage: layers.sh SOURCE_DIR
set -euo pipefail
cd "$1"

# folder: the folders its files may include from (besides itself).
declare -A allowed=(
    [project]=""
    [calc/format]="project"
    [calc/graph]="calc/format project"
    [calc/methods]="calc/format calc/graph project"
    [calc/judging]="calc/format calc/graph calc/methods project"
    [history]="calc project"
    [report]="calc project"
    [cmdline]="project"
    [cli]="cmdline history report calc project"
    [ui/widgets]="report calc project"
    [ui/common]="ui/widgets report calc project"
    [ui/about]="ui/widgets ui/common calc project"
    [ui/help]="ui/common report calc project"
    [ui/print]="ui/widgets ui/common report calc project"
    [ui/growth]="ui/widgets ui/common calc project"
    [ui/tolerance]="ui/widgets ui/common calc project"
    [ui/moves]="ui/widgets ui/common calc project"
    [ui/feet]="ui/widgets ui/common calc project"
    [ui/history]="ui/widgets ui/common history report calc project"
    [ui/main]="ui/about ui/help ui/print ui/growth ui/tolerance ui/moves ui/feet ui/history ui/widgets ui/common history report calc project"
    [app]="ui cmdline history report calc project"
)

# The folder a path belongs to: its two first parts under calc/ and ui/, its first elsewhere.
folderOf() {
    local first=${1%%/*} rest=${1#*/}
    case "$first" in
    calc | ui) folder="$first/${rest%%/*}" ;;
    *) folder=$first ;;
    esac
}

failed=0
# Outside a git checkout (a source package), the folders of the program are read.
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null ||
    find project calc history report cmdline cli ui app \( -name '*.cpp' -o -name '*.h' \) -print)
while IFS=: read -r file line; do
    folderOf "$file"
    from=$folder
    case "$from" in
    tests | bench | fuzz) continue ;;
    esac
    if [[ -z ${allowed[$from]+set} ]]; then
        echo "$file: the folder $from has no place among the layers"
        failed=1
        continue
    fi
    included=${line#*\"}
    included=${included%%\"*}
    [[ $included == */* ]] || continue
    folderOf "$included"
    to=$folder
    [[ $to == "$from" ]] && continue
    ok=0
    for a in ${allowed[$from]}; do
        # "ui" allows every ui folder, "calc" every calc folder.
        if [[ $to == "$a" || $to == "$a"/* ]]; then ok=1; fi
    done
    if ((!ok)); then
        echo "$file includes $included: $from may not include from $to"
        failed=1
    fi
done < <(echo "$files" | xargs grep -H '^#include "')

exit $failed
