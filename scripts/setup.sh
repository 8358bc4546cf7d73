#!/usr/bin/env bash
# Installs what is missing, builds the plug-ins and kvx, installs the plug-ins
# into $VST_PATH (default ~/.vst) and renders the built-in demo through each.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2

vst_dir="${VST_PATH:-$HOME/.vst}"
vst_dir="${vst_dir%%:*}"  # the first folder of a search path
mkdir -p "$vst_dir"
out_dir="${OUT_DIR:-$PWD/out}"
mkdir -p "$out_dir"

for plugin in solvane widmoor duplimo scopra; do
  library="build/plugins/$plugin.so"
  [ -f "$library" ] || continue
  install -m 0755 "$library" "$vst_dir/$plugin.so"
  echo "installed $vst_dir/$plugin.so"
done
for plugin in solvane widmoor duplimo scopra; do
  [ -f "$vst_dir/$plugin.so" ] || continue
  summary=$(build/tools/kvx/kvx render "$vst_dir/$plugin.so" "$out_dir/demo-$plugin.wav")
  echo "$plugin: $summary"
  echo "  rendered the demo into $out_dir/demo-$plugin.wav"
done
