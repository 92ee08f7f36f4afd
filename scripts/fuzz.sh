#!/bin/sh
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each on its corpus in fuzz/corpus/.
#
#   scripts/fuzz.sh [SECONDS] [--merge] [--coverage]
#
# SECONDS   fuzzing time per target (default 20; the test script gives each
#           target a share of about a minute). New inputs go to a scratch
#           folder in the build tree, emptied first; the corpus in the tree
#           is only read.
# --merge   afterwards fold what the run found into fuzz/corpus/ (only the
#           inputs that add coverage are kept).
# --coverage  instead of fuzzing, build the targets for line coverage, run
#           the corpus and report the line coverage of src/ (llvm-cov).
#
# Exits non-zero when a target finds a crash, a sanitizer report or a failed
# check; the input is saved in build/fuzz/artifacts/.
set -eu
cd "$(dirname "$0")/.."
ROOT=$(pwd)
SECONDS_PER_TARGET=20
MERGE=0
COVERAGE=0
for arg in "$@"; do
  case "$arg" in
    --merge) MERGE=1 ;;
    --coverage) COVERAGE=1 ;;
    *[!0-9]* | '') echo "usage: scripts/fuzz.sh [SECONDS] [--merge] [--coverage]" >&2; exit 2 ;;
    *) SECONDS_PER_TARGET=$arg ;;
  esac
done
TARGETS="fuzz_command fuzz_settings fuzz_irc_line fuzz_web_request"
JOBS=${MIRADO_JOBS:-2}

configure() {  # build folder, coverage ON/OFF
  CC=clang CXX=clang++ cmake -S "$ROOT" -B "$1" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRADO_FUZZ=ON \
    -DMIRADO_FUZZ_COVERAGE="$2" -DMIRADO_BUILD_TESTS=OFF -DMIRADO_BUILD_BENCH=OFF -DMIRADO_BUILD_IRC=OFF \
    >/dev/null
  # shellcheck disable=SC2086
  cmake --build "$1" -j"$JOBS" --target $TARGETS
}

corpus_of() {  # target -> its corpus folder in the tree
  echo "$ROOT/fuzz/corpus/${1#fuzz_}"
}

if [ "$COVERAGE" = 1 ]; then
  BUILD=$ROOT/build/fuzz-coverage
  configure "$BUILD" ON
  rm -rf "$BUILD/profiles"
  mkdir -p "$BUILD/profiles"
  OBJECTS=
  for t in $TARGETS; do
    # Each input once, by name (a corpus folder would also be fuzzed).
    find "$(corpus_of "$t")" -type f -exec env LLVM_PROFILE_FILE="$BUILD/profiles/$t-%p.profraw" \
      "$BUILD/$t" {} + >/dev/null 2>&1
    # llvm-cov takes the first program by itself, the others with -object.
    OBJECTS="$OBJECTS${OBJECTS:+ -object=}$BUILD/$t"
  done
  llvm-profdata merge -sparse "$BUILD"/profiles/*.profraw -o "$BUILD/profiles/all.profdata"
  # The plug-in's sources as compiled (same lines as src/, literals escaped).
  # shellcheck disable=SC2086
  llvm-cov report -instr-profile="$BUILD/profiles/all.profdata" $OBJECTS \
    "$BUILD/fuzz/cp932/src" | tail -n 1 | awk '{ printf "line coverage of src/ by the fuzz corpus: %s of %s lines (%s)\n", $8 - $9, $8, $10 }'
  exit 0
fi

BUILD=$ROOT/build/fuzz
configure "$BUILD" OFF
mkdir -p "$BUILD/artifacts"
status=0
for t in $TARGETS; do
  # Every run starts from the corpus in the tree (what an earlier run found
  # and did not merge is dropped, so loading never eats a short budget).
  scratch=$BUILD/found/${t#fuzz_}
  rm -rf "$scratch"
  mkdir -p "$scratch"
  dict=
  [ -f "$ROOT/fuzz/${t#fuzz_}.dict" ] && dict=-dict=$ROOT/fuzz/${t#fuzz_}.dict
  echo "fuzzing $t for $SECONDS_PER_TARGET s"
  # MIRADO_FUZZ_SEED fixes libFuzzer's random seed (the test script uses 1, so
  # a CI run mutates the same way each time); 0 or unset: a new seed per run.
  # shellcheck disable=SC2086
  if ! "$BUILD/$t" -seed="${MIRADO_FUZZ_SEED:-0}" -max_total_time="$SECONDS_PER_TARGET" -timeout=10 \
      -rss_limit_mb=2048 -max_len=4096 \
      -print_final_stats=1 -artifact_prefix="$BUILD/artifacts/" $dict "$scratch" "$(corpus_of "$t")" \
      >"$BUILD/$t.log" 2>&1; then
    echo "$t FAILED; see $BUILD/$t.log and $BUILD/artifacts/" >&2
    tail -n 30 "$BUILD/$t.log" >&2
    status=1
  fi
  grep -E "stat::number_of_executed_units|Done [0-9]+ runs" "$BUILD/$t.log" | tail -n 1 || true
  if [ "$MERGE" = 1 ]; then
    # Edges only (no hit counts), so the corpus in the tree stays small.
    "$BUILD/$t" -merge=1 -use_counters=0 -max_len=4096 "$(corpus_of "$t")" "$scratch" >>"$BUILD/$t.log" 2>&1
  fi
done
exit $status
