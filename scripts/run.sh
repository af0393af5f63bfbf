#!/bin/bash
# Installs what is missing, builds, and starts the program in the folder that holds its
# pictures ("生肖图片"), which it reads from its working directory.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh run
cmake --preset default >/dev/null
exec cmake --build --preset default --target run
