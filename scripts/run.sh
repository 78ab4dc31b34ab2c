#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quillbay.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --program-only
./scripts/build.sh
exec ./build/quillbay "$@"
