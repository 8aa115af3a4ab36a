#!/usr/bin/env bash
# Checks the game's executable as Debian's lintian and hardening-check read it: a
# position-independent executable, relocations read-only and bound at start-up, the stack
# protector linked in, fortified libc calls asked for, and no path of the source or build
# folder anywhere in its bytes.
# Usage: hardening_test.sh EXECUTABLE SOURCE_DIR BUILD_DIR
set -euo pipefail
executable=$1
source_dir=$2
build_dir=$3

fail() {
    echo "hardening test: $*" >&2
    exit 1
}

readelf -h "$executable" | grep -Eq 'Type: +DYN' || fail "not a position-independent executable"
readelf -lW "$executable" | grep -q GNU_RELRO || fail "no read-only relocations (RELRO)"
readelf -dW "$executable" | grep -Eq 'BIND_NOW|FLAGS_1.* NOW' || fail "not bound at start-up (BIND_NOW)"

imports=$(nm -D --undefined-only "$executable" | awk '{ print $2 }' | sed 's/@.*//')
grep -qx __stack_chk_fail <<<"$imports" || fail "no stack protector"
# A call shows as fortified in the binary only where the compiler could not prove it safe, and
# the game's calls may all be proven: so every compile command must have asked for it.
commands=$(grep '"command":' "$build_dir/compile_commands.json")
[[ -n $commands ]] || fail "no compile commands in $build_dir/compile_commands.json"
unfortified=$(grep -v -- ' -D_FORTIFY_SOURCE=[1-9]' <<<"$commands" | sed -n 's/.* -c \([^"]*\)".*/\1/p' | head -n3 | xargs || true)
[[ -z $unfortified ]] || fail "compiled without _FORTIFY_SOURCE: $unfortified"

for folder in "$source_dir" "$build_dir"; do
    ! grep -qaF "$folder" "$executable" || fail "the executable holds the path $folder"
done
echo "hardening test: PIE, RELRO, BIND_NOW, stack protector, fortify, no build paths"
