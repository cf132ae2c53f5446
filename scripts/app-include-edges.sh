#!/usr/bin/env bash
# Prints the include edges between the folders of app/ ("from -> to: count") and the
# cycles among them, so the direction of the application's layers can be checked at a glance.
set -euo pipefail
cd "$(dirname "$0")/../app"
python3 - <<'PY'
import os, re, collections
folders = sorted(d for d in os.listdir('.') if os.path.isdir(d))
edges = collections.Counter()
for src in folders:
    for root, _, files in os.walk(src):
        for f in files:
            if not f.endswith(('.cpp', '.h')):
                continue
            with open(os.path.join(root, f), encoding='utf-8') as fh:
                for inc in re.findall(r'^#include\s+"([^"]+)"', fh.read(), re.M):
                    dst = inc.split('/')[0] if '/' in inc else src
                    if dst in folders and dst != src:
                        edges[(src, dst)] += 1
for (a, b), n in sorted(edges.items()):
    print(f"{a} -> {b}: {n}")
# A cycle between folders is any pair reachable both ways.
reach = {f: set() for f in folders}
for (a, b) in edges:
    reach[a].add(b)
changed = True
while changed:
    changed = False
    for a in folders:
        more = set().union(*(reach[b] for b in reach[a])) - reach[a] if reach[a] else set()
        if more:
            reach[a] |= more
            changed = True
cyclic = sorted(f for f in folders if f in reach[f])
print("folders on an include cycle:", ", ".join(cyclic) if cyclic else "none")
PY
