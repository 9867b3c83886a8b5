# Sourced by the benchmarks: large_store BUILD prints the path of the large word store
# (every WordNet lemma an English headword, about 150,000, with its definitions, plus the
# CLDR pairs), building it first when it is missing or older than its tools.
large_store() {
  local build=$1
  local native=$build/native work=$build/bench-lookup
  local sindhikit=$native/cli/sindhikit extract=$native/data/sindhikit_extract
  local store=$work/large-store.dll
  mkdir -p "$work"
  if [ ! -f "$store" ] || [ "$extract" -nt "$store" ] || [ "$sindhikit" -nt "$store" ]; then
    echo "-- building the large store" >&2
    "$extract" --cldr /usr/share/unicode/cldr --wordnet /usr/share/wordnet --all-wordnet \
      -o "$work/large-store.tsv" | grep 'pairs:' >&2 || true
    "$sindhikit" store build "$work/large-store.tsv" -o "$store" | sed 's/^/   /' >&2
  fi
  echo "$store"
}
