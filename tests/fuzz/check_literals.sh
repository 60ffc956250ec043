#!/bin/bash
# clang writes narrow literals as UTF-8, while the programs hold CP932 bytes: a Japanese literal
# in a fuzzed file would be fuzzed with bytes the programs never see. Fails on any non-ASCII byte
# inside a string or character literal of the given files or of the project headers they include.
#   check_literals.sh FILE...   (run from the repository root)
set -euo pipefail

queue=("$@")
declare -A seen=()
failed=0
while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    file=${file#"$PWD/"}
    [ -n "${seen[$file]:-}" ] && continue
    seen[$file]=1
    while read -r included; do
        [ -f "$included" ] && queue+=("$included")
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
    # Comments may hold Japanese text; literals may not.
    perl -0777 -ne '
        my ($line, $bad) = (1, 0);
        while (m{(//[^\n]*)|(/\*.*?\*/)|("(?:\\.|[^"\\\n])*")|(\x27(?:\\.|[^\x27\\\n])*\x27)|(\n)}gs) {
            my $token = $&;
            if (defined $5) { $line++; next; }
            if ((defined $3 || defined $4) && $token =~ /[^\x00-\x7F]/) {
                print STDERR "$ARGV:$line: non-ASCII literal; spell it as CP932 escapes: $token\n";
                $bad = 1;
            }
            $line += () = $token =~ /\n/g;
        }
        exit $bad;' "$file" || failed=1
done
if [ "$failed" -ne 0 ]; then
    echo "check_literals: put such texts in the program's resources/texts.txt" >&2
    exit 1
fi
