#!/usr/bin/env bash
# Fails when the tests grow past where they stand on their way down to the third of the product's
# code that the project keeps them to (the limit is lowered as they shrink): non-blank,
# non-comment lines of tests/ (C++, Python, shell) against the product's .cpp and .h files (tests,
# benchmarks and fuzz targets aside). Says both numbers either way.
set -euo pipefail
cd "$(dirname "$0")/.."
limit=0.363

lines() { # non-blank lines whose first non-blank characters do not start a comment ($1)
    xargs -r cat | grep -cvE "^\s*(${1}.*)?$" || true
}
code=$(git ls-files -- '*.cpp' '*.h' | grep -vE '^(tests|bench|fuzz)/' | lines //)
tests=$(($(git ls-files -- 'tests/*.cpp' 'tests/*.h' | lines //) +
         $(git ls-files -- 'tests/*.py' 'tests/*.sh' | lines '#')))
ratio=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.3f", t / c }')
echo "tests: $tests lines, code: $code lines, ratio $ratio (at most $limit)"
awk -v r="$ratio" -v l="$limit" 'BEGIN { exit !(r <= l) }' || {
    echo "The tests have outgrown the code: merge cases into tables, share fixtures, drop what" \
         "restates the code or catches nothing another test does not." >&2
    exit 1
}
