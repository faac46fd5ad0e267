#!/usr/bin/env bash
# Checks the layering of the source tree: each folder includes only itself and the folders listed
# above it, only the front ends' folders use a toolkit (here, include a Qt header), no core folder
# includes a front end's, and no two classes include each other, directly or round a longer circle
# (a class is its .h and .cpp together).
set -euo pipefail
cd "$(dirname "$0")/.."

# The core's folders, bottom to top, then the front ends, each of which may use the whole core.
core=(common router form packets app files session scene)
front_ends=()
for folder in desktop web; do
    [ -d "$folder" ] && front_ends+=("$folder")
done
layers=("${core[@]}" "${front_ends[@]}")

faults=0
allowed=()
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
for folder in "${layers[@]}"; do
    kind=std
    for front in "${front_ends[@]}"; do
        [ "$folder" = "$front" ] && kind=toolkit
    done
    if [ "$kind" = std ]; then
        allowed+=("$folder")
    else
        allowed=("${core[@]}" "$folder")
    fi
    for file in "$folder"/*.h "$folder"/*.cpp; do
        [ -e "$file" ] || continue
        while IFS= read -r include; do
            target_folder=$(dirname "$include")
            ok=0
            for a in "${allowed[@]}"; do
                [ "$target_folder" = "$a" ] && ok=1
            done
            if [ "$ok" -eq 0 ]; then
                echo "FAILED: $file includes \"$include\", which lies above $folder or in a front end"
                faults=$((faults + 1))
            fi
            # One edge per pair of classes; a class including its own header is no edge.
            [ "${file%.*}" = "${include%.*}" ] || echo "${file%.*} ${include%.*}" >>"$edges"
        done < <(sed -n -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/p' "$file")
        if [ "$kind" = std ] && grep -q -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
            echo "FAILED: $file is standard-library only but includes a Qt header"
            faults=$((faults + 1))
        fi
    done
done

# Every source file of the program lives in one of the folders above.
while IFS= read -r file; do
    folder=$(dirname "$file")
    known=0
    for layer in "${layers[@]}"; do
        [ "$layer" = "$folder" ] && known=1
    done
    if [ "$known" -eq 0 ]; then
        echo "FAILED: $file lies outside the layered folders"
        faults=$((faults + 1))
    fi
done < <(find "${layers[@]}" -name '*.h' -o -name '*.cpp' | sort)

# tsort orders the classes so that each comes after every class it includes; it names the
# classes of any circle it meets.
if ! sort -u "$edges" | tsort >/dev/null 2>"$edges.loops"; then
    echo "FAILED: classes include each other:"
    grep -v '^tsort: -: input contains a loop:' "$edges.loops" | sed 's/^tsort: /    /'
    faults=$((faults + 1))
fi
rm -f "$edges.loops"

if [ "$faults" -ne 0 ]; then
    echo "layers: $faults fault(s)"
    exit 1
fi
echo "layers: ${#layers[@]} folders checked, no folder includes one above it, no include circle"
