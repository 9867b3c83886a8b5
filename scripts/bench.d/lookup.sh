#!/usr/bin/env bash
# Lookup benchmarks on a large word store (every WordNet lemma an English headword, about
# 150,000, with its definitions, plus the CLDR pairs), each against a baseline measured in
# the same run:
#   1. store_query_latency: p50/p99 of each stored query through the data-access layer
#      against the same SQL prepared directly on SQLite;
#   2. whole process: `sindhikit en WORD` against `dict -d wn WORD` served by a private
#      dictd (Debian's dictd and dict-wn) on 127.0.0.1, timed by hyperfine.
# Usage: scripts/bench.d/lookup.sh BUILD   (run by scripts/bench.sh)
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath -m "${1:?usage: lookup.sh BUILD}")
native=$build/native
sindhikit=$native/cli/sindhikit
extract=$native/data/sindhikit_extract
latency=$native/dictionary/store/bench/store_query_latency
work=$build/bench-lookup
mkdir -p "$work"
for tool in "$sindhikit" "$extract" "$latency"; do
  [ -x "$tool" ] || { echo "lookup.sh: $tool is missing (build $build first)" >&2; exit 2; }
done

# What the comparison needs, installed the way scripts/setup.sh installs (it lists them).
for p in dictd dict dict-wn hyperfine; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || {
    bash "$here/scripts/setup.sh"; break; }
done

# 1. The large store, remade only when its tools are newer than it.
. "$here/scripts/bench.d/lib/large-store.sh"
store=$(large_store "$build")

echo "-- stored queries: data-access layer vs direct SQLite (store_query_latency)"
timeout 600 "$latency" "$store"

# 2. A private dictd: loopback only, a port of its own, its own configuration. (It drops its
# privileges, so its log is its standard error, kept by us.)
port=$((20000 + RANDOM % 20000))
cat >"$work/dictd.conf" <<CONF
global {
  listen_to 127.0.0.1
  port $port
}
access {
  allow 127.0.0.1
}
database wn {
  data "/usr/share/dictd/wn.dict.dz"
  index "/usr/share/dictd/wn.index"
}
CONF
dictd -c "$work/dictd.conf" -p "$port" --listen-to 127.0.0.1 -d nodetach \
  --pid-file "$work/dictd.pid" >"$work/dictd.log" 2>&1 &
dictd_pid=$!
trap 'kill "$dictd_pid" 2>/dev/null; wait "$dictd_pid" 2>/dev/null || true' EXIT
dict_cmd=(dict -h 127.0.0.1 -p "$port" -d wn)
for _ in $(seq 50); do
  "${dict_cmd[@]}" -D >/dev/null 2>&1 && break
  sleep 0.2
done
"${dict_cmd[@]}" apple >/dev/null || { echo "lookup.sh: dictd did not answer on port $port" >&2; exit 2; }

echo "-- whole process: sindhikit en WORD vs dict -d wn WORD (dictd on 127.0.0.1:$port)"
for word in apple january computer; do
  "$sindhikit" --store "$store" en "$word" >/dev/null || { echo "lookup.sh: $word not in the store" >&2; exit 2; }
  timeout 300 hyperfine -N --style basic --warmup 10 --runs 200 \
    --export-json "$work/whole-process-$word.json" \
    -n "dict -d wn $word" "${dict_cmd[*]} $word" \
    -n "sindhikit en $word" "$sindhikit --store $store en $word" >"$work/whole-process-$word.txt" 2>&1
  python3 - "$work/whole-process-$word.json" "$word" <<'PY'
import json, sys
r = {x["command"]: x for x in json.load(open(sys.argv[1]))["results"]}
word = sys.argv[2]
base, ours = r[f"dict -d wn {word}"], r[f"sindhikit en {word}"]
print(f"   {word:10s} dict median {base['median']*1e3:7.2f} ms, sindhikit median "
      f"{ours['median']*1e3:7.2f} ms: sindhikit/dict = {ours['median']/base['median']:.2f}x "
      f"(mean ratio {ours['mean']/base['mean']:.2f}x)")
PY
done
