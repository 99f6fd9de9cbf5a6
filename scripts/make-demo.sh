#!/usr/bin/env bash
# Makes a demo application folder with a few question-paper folders, one of them empty.
set -euo pipefail
folder="$1"
[[ -d "$folder" ]] && exit 0
mkdir -p "$folder"
for subject in Physics Chemistry Mathematics; do
    mkdir -p "$folder/$subject"
    for set in a b c d; do
        printf 'Question paper: %s, set %s\r\n\r\n1. Answer all questions.\r\n' "$subject" "$set" \
            > "$folder/$subject/set_$set.txt"
    done
done
mkdir -p "$folder/Biology"
