#!/usr/bin/env bash
# Sets up, builds and starts Revtal.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec "${REVTAL_BUILD_DIR:-build}/app/revtal" "$@"
