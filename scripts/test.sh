#!/usr/bin/env bash
# Installs what is missing, builds everything and runs all tests.
# In CI (CI=true) warnings are errors and the tests run a second time under
# AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

preset=default
if [ "${CI:-}" = "true" ]; then
  preset=ci
fi
jobs=$(nproc)

cmake --preset "$preset"
cmake --build --preset "$preset" -j "$jobs"
ctest --preset "$preset" -j "$jobs"

if [ "${CI:-}" = "true" ] || [ "${KALVERO_SANITIZERS:-}" = "1" ]; then
  cmake --preset asan
  cmake --build --preset asan -j "$jobs"
  ctest --preset asan -j "$jobs"
fi
