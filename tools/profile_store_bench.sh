#!/usr/bin/env bash
# Times the profile chain (tests/profiles/profile_store_benchmark.cpp) optimised, for
# the store as it is and, given a commit, for the store of that commit:
#   tools/profile_store_bench.sh [BASE_COMMIT] [benchmark flags...]
# Both builds use the benchmark as it is; only profiles/ differs.
set -euo pipefail
cd "$(dirname "$0")/.."
base=${1:-}
[ $# -gt 0 ] && shift
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

build() {  # build NAME SOURCE_ROOT
  g++ -std=c++17 -O2 -DNDEBUG -I"$2" -I. tests/profiles/profile_store_benchmark.cpp \
      "$2"/profiles/profile_store.cpp "$2"/profiles/memory_settings_store.cpp \
      $(ls "$2"/profiles/settings_store.cpp 2>/dev/null || true) -lbenchmark -pthread -o "$out/$1"
}

build now .
if [ -n "$base" ]; then
  mkdir -p "$out/src/profiles"
  for f in profile_store.h profile_store.cpp profile_names.h settings_store.h settings_store.cpp \
           memory_settings_store.h memory_settings_store.cpp; do
    git show "$base:profiles/$f" > "$out/src/profiles/$f" 2>/dev/null || rm -f "$out/src/profiles/$f"
  done
  build base "$out/src"
  echo "== store of $base =="
  "$out/base" "$@"
fi
echo "== store as it is =="
"$out/now" "$@"
