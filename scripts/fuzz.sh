#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz/ with clang, libFuzzer, ASan and UBSan
# in build-fuzz/ and runs them.
#
#   ./scripts/fuzz.sh                 short run: a fixed count of inputs per target (.ci/run)
#   ./scripts/fuzz.sh long            1,000,000 inputs per target at least
#   ./scripts/fuzz.sh long fuzz_markup fuzz_report_file     only these targets
#   TORV_FUZZ_WORKERS=4 ./scripts/fuzz.sh long     the inputs shared by 4 processes
#
# Each target first replays the inputs that once broke it (tests/fuzz/repro/<target>/;
# those under pending/ wait for a fix to land), then starts from its seeds
# (tests/fuzz/corpus/<target>/). A long run keeps what it learns in
# build-fuzz/corpus/<target>/ and goes on from there next time. A finding is
# written to build-fuzz/findings/<target>/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-short}
[ $# -gt 0 ] && shift
case "$mode" in
  short | long) ;;
  *)
    echo "usage: $0 [short|long] [target...]" >&2
    exit 2
    ;;
esac

bash scripts/install-deps.sh
if ! command -v clang++ >/dev/null; then
  echo "fuzz: no clang++ on this machine, fuzz targets skipped"
  exit 0
fi

# A build folder that already holds the fuzz targets (the sanitizer tests'
# build-asan, made with clang) is used as it is; otherwise build-fuzz is made.
dir=${TORV_FUZZ_DIR:-build-fuzz}
if ! grep -qs '^TORV_FUZZ:BOOL=ON' "$dir/CMakeCache.txt"; then
  cmake -S . -B "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTORV_FUZZ=ON -DTORV_TESTS=OFF -DTORV_BENCH=OFF >/dev/null
fi
cmake --build "$dir" --target fuzz_targets -j"${TORV_JOBS:-$(nproc)}"

# Longest input per target (a real file of its kind, or a good part of it)
# and the inputs of a short run: a few seconds each.
declare -A max_len=(
  [fuzz_number_text]=64 [fuzz_markup]=1024 [fuzz_language_file]=8192 [fuzz_version_file]=1024
  [fuzz_report_file]=512 [fuzz_formula_file]=4096 [fuzz_bmp_header]=4096
)
declare -A short_runs=(
  [fuzz_number_text]=20000 [fuzz_markup]=5000 [fuzz_language_file]=10000
  [fuzz_version_file]=20000 [fuzz_report_file]=300 [fuzz_formula_file]=3000
  [fuzz_bmp_header]=2000
)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_number_text fuzz_markup fuzz_language_file
  fuzz_version_file fuzz_report_file fuzz_formula_file fuzz_bmp_header)

export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME="$(mktemp -d)"
scratch="$(mktemp -d)"
trap 'rm -rf "$XDG_CONFIG_HOME" "$scratch"' EXIT
# Qt's font and picture caches live for the whole run: no leak checks.
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Open findings that are huge allocations (repro/<target>/pending/): these
# targets fuzz with single allocations capped at 256 MB, which then fail as
# on a machine without the memory, so the fuzzer looks past them. Replays of
# repro/ run uncapped. Drop a target from here once its fix has landed.
declare -A capped=()
capped_asan="$ASAN_OPTIONS:allocator_may_return_null=1:max_allocation_size_mb=256"
workers=1
[ "$mode" = long ] && workers=${TORV_FUZZ_WORKERS:-1}

failed=()
for t in "${targets[@]}"; do
  program="$dir/tests/fuzz/$t"
  if [ -z "${max_len[$t]:-}" ] || [ ! -x "$program" ]; then
    echo "fuzz: no target $t" >&2
    exit 2
  fi
  runs=1000000
  [ "$mode" = short ] && runs=${short_runs[$t]}
  runs=${TORV_FUZZ_RUNS:-$runs}
  findings="$dir/findings/$t"
  mkdir -p "$findings"
  options=(-max_len="${max_len[$t]}" -dict="tests/fuzz/dict/$t.dict" -timeout=60
           -rss_limit_mb=2048 -detect_leaks=0 -artifact_prefix="$findings/" -print_final_stats=1)

  mapfile -t repro < <(find "tests/fuzz/repro/$t" -maxdepth 1 -type f 2>/dev/null | sort)
  if [ ${#repro[@]} -gt 0 ] && ! "$program" "${options[@]}" "${repro[@]}" >"$scratch/$t.log" 2>&1; then
    tail -n 40 "$scratch/$t.log"
    failed+=("$t (repro)")
    continue
  fi

  if [ "$mode" = short ]; then
    # The same inputs on every run: a fresh work corpus and a fixed seed.
    work="$scratch/corpus/$t"
  else
    work="$dir/corpus/$t"
  fi
  mkdir -p "$work"
  environment=()
  [ -n "${capped[$t]:-}" ] && environment=(ASAN_OPTIONS="$capped_asan" TORV_FUZZ_ALLOCATION_CAP=1)
  pids=()
  started=$(date +%s%N)
  for ((w = 1; w <= workers; w++)); do
    seed=()
    [ "$mode" = short ] && seed=(-seed=1)
    [ "$workers" -gt 1 ] && seed=(-seed="$w")
    env "${environment[@]}" "$program" "${options[@]}" "${seed[@]}" \
      -runs=$(((runs + workers - 1) / workers)) "$work" "tests/fuzz/corpus/$t" \
      >"$scratch/$t.$w.log" 2>&1 &
    pids+=($!)
  done
  ok=1
  for ((w = 1; w <= workers; w++)); do
    wait "${pids[w - 1]}" || { ok=0; tail -n 40 "$scratch/$t.$w.log"; }
  done
  if [ "$ok" = 1 ]; then
    inputs=$(cat "$scratch/$t".*.log | sed -n 's/^stat::number_of_executed_units: *//p' |
      awk '{ n += $1 } END { print n }')
    speed=$(awk -v n="$inputs" -v ns=$(($(date +%s%N) - started)) 'BEGIN { printf "%.0f", n / (ns / 1e9) }')
    echo "fuzz: $t: $inputs inputs, $speed per second, no finding"
  else
    failed+=("$t")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in: ${failed[*]} (inputs in $dir/findings/)" >&2
  exit 1
fi
