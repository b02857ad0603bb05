#!/usr/bin/env bash
# The game core must stay free of Qt: no Qt header may be included under game/core.
set -euo pipefail
cd "$(dirname "$0")/.."
if grep -rnE '#\s*include\s*[<"](Q[A-Za-z]+|qt[a-z]*/)' game/core; then
  echo "game/core includes Qt headers (listed above)" >&2
  exit 1
fi
