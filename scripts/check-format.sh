#!/usr/bin/env bash
# Fails, naming each place, when a C++ file of the tree does not follow .clang-format.
# `clang-format -i FILE` puts a file right.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t files < <(find app bench desktop dialogs engine settings tests tools ui \
                            -name '*.cpp' -o -name '*.h')
fi
clang-format --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files follow .clang-format"
