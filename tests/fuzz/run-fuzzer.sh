#!/usr/bin/env bash
# Builds the settings reader fuzzer with clang and runs it for the given number of seconds
# (default 60). Fails on any finding; the input that caused it is left in build-fuzz/.
#   tests/fuzz/run-fuzzer.sh 3600
set -euo pipefail

seconds="${1:-60}"
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
out="${VORBIA_FUZZ_BUILD:-$root/build-fuzz}"
mkdir -p "$out/corpus"

sources=(SettingsFile SettingsFileSystem NumberReading NameCase Windows1252 Utf8)
files=("$here/SettingsFuzzer.cpp")
for source in "${sources[@]}"; do files+=("$root/settings/$source.cpp"); done

clang++ -std=c++20 -g -O1 -Wall -Wextra -Werror \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer \
  -I"$root/settings" -I"$root/engine" "${files[@]}" -o "$out/settings-fuzzer"

# New inputs go to build-fuzz/corpus and make later runs start further on; the committed seeds
# are only read. Inputs up to 128 KiB cross the reader's 64 KiB buffer.
"$out/settings-fuzzer" -max_total_time="$seconds" -timeout=10 -max_len=131072 \
  -dict="$here/settings.dict" -artifact_prefix="$out/" -print_final_stats=1 \
  "$out/corpus" "$here/corpus"
