#!/usr/bin/env bash
# Runs corvane-gen where writing its output or getting memory fails, and checks that it says so with exit
# status 1 instead of passing off a cut output as success, and that memory does not grow with the lines
# of a file.
#   output-failures.sh CASE PROGRAM DATA_FOLDER SCRATCH_FOLDER
set -u
case=$1 program=$2 data=$3 scratch=$4
rm -rf "$scratch" && mkdir -p "$scratch"
status=0

# expect STATUS ERROR: the exit status and the standard error of the run.
expect() {
    local error
    error=$(cat "$scratch/err")
    if [ "$status" != "$1" ] || [ "$error" != "$2" ]; then
        echo "exit status $status, standard error \"$error\"; expected $1 and \"$2\"" >&2
        exit 1
    fi
}

# A limit of the address space far below what the old reader took for the same files (547 MB for 20 MB
# of line ends), and well above the program's own needs.
limit_kb=32768

case "$case" in
full-disk)
    "$program" html "$data/cart-full.crv" "$data/single-item-full.crv" >/dev/full 2>"$scratch/err" || status=$?
    expect 1 "Stream write error."
    ;;
closed-output)
    "$program" cart-link me@example.com >&- 2>"$scratch/err" || status=$?
    expect 1 "Stream write error."
    ;;
many-line-ends)
    { cat "$data/cart-full.crv" && head -c 20000000 /dev/zero | tr '\0' '\n'; } >"$scratch/lines.crv"
    (ulimit -v $limit_kb && exec "$program" html "$scratch/lines.crv") >"$scratch/out" 2>"$scratch/err" ||
        status=$?
    expect 0 ""
    cmp "$scratch/out" <(cat "$data/cart-full.html" && echo) || exit 1
    ;;
out-of-memory)
    head -c 64000000 /dev/zero | tr '\0' 'x' >"$scratch/line.crv"
    (ulimit -v $limit_kb && exec "$program" html "$scratch/line.crv") >"$scratch/out" 2>"$scratch/err" ||
        status=$?
    expect 1 "Out of memory."
    ;;
*)
    echo "unknown case $case" >&2
    exit 2
    ;;
esac
rm -rf "$scratch"
