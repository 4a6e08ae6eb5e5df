#!/bin/sh
# Builds the RTF reader fuzz target with clang in BUILDDIR and runs it for SECONDS (60 by
# default) from the seed corpus. Exits non-zero when the fuzzer finds a crash, a hang or a
# sanitizer report; the input that caused it is kept in BUILDDIR/fuzz-artifacts/.
#   usage: fuzz/run_fuzz.sh BUILDDIR [SECONDS]
set -eu

builddir=${1:?usage: run_fuzz.sh BUILDDIR [SECONDS]}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")

if ! command -v clang++ >/dev/null 2>&1; then
    echo "run_fuzz.sh: clang++ is missing (apt-get install clang libclang-rt-14-dev)" >&2
    exit 1
fi

# The compilers are chosen when the build directory is first configured.
CC=clang CXX=clang++ cmake -S "$source_dir" -B "$builddir" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPUKANA_BUILD_FUZZ=ON -DPUKANA_BUILD_TESTS=OFF \
    -DPUKANA_SANITIZE=ON >/dev/null
cmake --build "$builddir" --target rtf_reader_fuzz -- -j2

# New inputs go to a corpus in the build directory, never into the source tree.
corpus="$builddir/fuzz-corpus/rtf"
artifacts="$builddir/fuzz-artifacts"
mkdir -p "$corpus" "$artifacts"

ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} \
"$builddir/fuzz/rtf_reader_fuzz" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" \
    "$corpus" "$here/corpus/rtf"
