#!/bin/sh
# Replays a fuzz target's committed corpus, then fuzzes it for SECONDS more;
# new inputs go to a scratch folder, never into the corpus. Fails on any
# finding of the fuzzer or its sanitizers.
#   run.sh FUZZER CORPUS-FOLDER SECONDS
fuzzer="${1:?fuzzer}"; corpus="${2:?corpus}"; seconds="${3:-5}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
if ! "$fuzzer" -runs=0 "$corpus" >"$scratch/replay.log" 2>&1; then
  cat "$scratch/replay.log"; exit 1
fi
mkdir "$scratch/new"
if ! "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$scratch/" \
     "$scratch/new" "$corpus" >"$scratch/fuzz.log" 2>&1; then
  cat "$scratch/fuzz.log"; exit 1
fi
grep -E 'stat::number_of_executed_units' "$scratch/fuzz.log"
