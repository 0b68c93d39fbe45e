#!/usr/bin/env bash
# Builds the web game and plays it in Debian's chromium, headless, through
# e2e/web/play.js. puppeteer-core, at the version e2e/web/package-lock.json
# pins, is installed from the npm registry into build/web-e2e/, outside the
# sources; it drives the browser Debian installs and downloads none.
set -euo pipefail
cd "$(dirname "$0")/../.."
tools/build-web.sh
drivers=build/web-e2e
mkdir -p "$drivers"
if ! cmp -s e2e/web/package-lock.json "$drivers/package-lock.json" || [[ ! -d $drivers/node_modules ]]; then
  cp e2e/web/package.json e2e/web/package-lock.json "$drivers/"
  (cd "$drivers" && npm ci --no-audit --no-fund --ignore-scripts --loglevel=error)
fi
NODE_PATH=$PWD/$drivers/node_modules node e2e/web/play.js build/web res
