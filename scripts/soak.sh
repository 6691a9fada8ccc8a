#!/usr/bin/env bash
# The long soak: the random player on every shipped city for 1,000 months each (a new company
# is founded whenever a game ends), under the address and undefined-behaviour sanitizers, with
# the player's books and the game's invariants checked after every order and every month.
#
#   scripts/soak.sh [MONTHS [SEED]]      (defaults: 1000 months, seed 1)
#
# Each city's month lines and findings go to build-asan/soak/CITY.txt and CITY.err; the script
# fails when a run breaks a rule, trips a sanitizer or crashes.
set -euo pipefail
cd "$(dirname "$0")/.."
months="${1:-1000}"
seed="${2:-1}"

if ! command -v clang++ >/dev/null; then
  echo "soak.sh: the sanitizer build needs clang (Debian: clang and libclang-rt-dev)" >&2
  exit 2
fi

CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-$(command -v ccache || true)}" \
  cmake --preset asan >/dev/null
cmake --build --preset asan --target gindamaya97-autoplay
tool=build-asan/tools/autoplay/gindamaya97-autoplay
out=build-asan/soak
mkdir -p "$out"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

failed=0
for city in assets/cities/*.pmp; do
  name="$(basename "$city" .pmp)"
  start=$SECONDS
  if "$tool" --city "$city" --strategy random --seed "$seed" --months "$months" \
       --check --restart >"$out/$name.txt" 2>"$out/$name.err"; then
    result=ok
  else
    result="FAILED (exit $?)"
    failed=1
  fi
  games=$(grep -c '^new game' "$out/$name.txt" || true)
  printf '%-12s %s months, %s new games, %ss: %s\n' "$name" "$months" "$games" \
    "$((SECONDS - start))" "$result"
  if [ "$result" != ok ]; then head -n 20 "$out/$name.err"; fi
done
exit "$failed"
