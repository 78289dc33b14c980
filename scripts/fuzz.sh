#!/usr/bin/env bash
# Fuzzes the readers of outside input with libFuzzer under AddressSanitizer
# and UndefinedBehaviorSanitizer (clang, Debian 12, as root).
#   bash scripts/fuzz.sh [seconds per target, default 300] [target ...]
# Finds go to build-fuzz/findings/<target>/; new interesting inputs stay in
# build-fuzz/corpus/<target>/ (the seeds come from tests/fuzz/corpus/).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"
shift || true

packages=(clang-14 libclang-rt-14-dev cmake ninja-build qt6-base-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=($(sed -n 's/^vellomy_add_fuzzer(\([a-z_]*\) .*/\1/p' tests/fuzz/CMakeLists.txt))
fi

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
  -DVELLOMY_LIBFUZZER=ON >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 QT_QPA_PLATFORM=offscreen
for t in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$t"; findings="build-fuzz/findings/$t"
  mkdir -p "$corpus" "$findings"
  cp -n tests/fuzz/corpus/"$t"/* "$corpus"/ 2>/dev/null || true
  echo "== $t: $seconds s"
  bin=$(find build-fuzz -type f -name "$t" -perm -u+x | head -1)
  "$bin" "$corpus" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$findings/" -print_final_stats=1 2>&1 | tee "build-fuzz/$t.log" | grep -E "^#[0-9]+ *DONE|stat::number_of_executed_units|ERROR|SUMMARY" || true
done
