#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (core and program, headless).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --workflow --preset test
