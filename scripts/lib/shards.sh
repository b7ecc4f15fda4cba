# Dealing a tree's tests out to shards by what each test cost when it last ran. Sourced by
# scripts/wine-ctest.
#
# A cost table has CTest's own cost-data form (Testing/Temporary/CTestCostData.txt): one line
# "NAME RUNS SECONDS" per test, then a line "---" and the names of the tests that failed last.

# tweak_shard_deal LIST SHARDS OUT_PREFIX COST_TABLE...: LIST holds the selected tests in CTest's
# order, one name a line. Writes OUT_PREFIX-K.tests for K = 1..SHARDS in the form of ctest -I
# ("0,0,0,P,P,..." where P is a test's line number in LIST) and prints one line per shard:
# "shard K: N tests, S s expected". An earlier cost table wins over a later one; a test found in
# none costs the mean of its suite's known tests (the part of the name before the first dot), or
# the median of all known tests, or one second when nothing is known.
#
# The longest tests are dealt first, each to the shard with the least work so far, so no shard
# ends more than one test's cost after the others.
tweak_shard_deal() {
  local list="$1" shards="$2" out="$3"
  shift 3
  local tables=()
  local t
  for t in "$@"; do [ -f "$t" ] && tables+=("$t"); done
  awk -v shards="$shards" -v out="$out" -v ntables="${#tables[@]}" '
    function suite(name) { return index(name, ".") ? substr(name, 1, index(name, ".") - 1) : name }
    # Reading a cost table: stop at the failure list; earlier tables are not overwritten.
    FILENAME != ARGV[ARGC - 1] {
      if ($0 == "---") { nextfile }
      if (NF >= 3 && $3 ~ /^[0-9.eE+-]+$/ && !($1 in cost)) cost[$1] = $3 + 0
      next
    }
    NF > 0 { n++; name[n] = $1 }
    END {
      if (shards < 1) shards = 1
      # Fallbacks from the tests of this list that have a measured cost.
      known = 0
      for (i = 1; i <= n; i++) if (name[i] in cost) {
        c = cost[name[i]]; s = suite(name[i])
        suite_sum[s] += c; suite_count[s]++
        sorted[++known] = c
      }
      median = 1
      if (known > 0) {
        for (i = 2; i <= known; i++) {  # insertion sort: a few thousand values at most
          v = sorted[i]
          for (j = i - 1; j >= 1 && sorted[j] > v; j--) sorted[j + 1] = sorted[j]
          sorted[j + 1] = v
        }
        median = sorted[int((known + 1) / 2)]
      }
      for (i = 1; i <= n; i++) {
        s = suite(name[i])
        if (name[i] in cost) c = cost[name[i]]
        else if (s in suite_count) c = suite_sum[s] / suite_count[s]
        else c = median
        want[i] = c; order[i] = i
      }
      # Longest first (ties in list order), so that the greedy dealing stays balanced.
      for (i = 2; i <= n; i++) {
        v = order[i]
        for (j = i - 1; j >= 1 && (want[order[j]] < want[v] || (want[order[j]] == want[v] && order[j] > v)); j--)
          order[j + 1] = order[j]
        order[j + 1] = v
      }
      for (k = 1; k <= shards; k++) { load[k] = 0; count[k] = 0; picks[k] = "" }
      for (i = 1; i <= n; i++) {
        best = 1
        for (k = 2; k <= shards; k++) if (load[k] < load[best]) best = k
        load[best] += want[order[i]]; count[best]++
        picks[best] = picks[best] "," order[i]
      }
      for (k = 1; k <= shards; k++) {
        file = out "-" k ".tests"
        printf "0,0,0%s\n", picks[k] > file
        close(file)
        printf "shard %d: %d tests, %.1f s expected\n", k, count[k], load[k]
      }
    }
  ' "${tables[@]}" "$list"
}

# tweak_cost_table_from_logs LOG...: prints a cost table of every test a ctest log reports as
# finished ("N/M Test #K: NAME ..... Passed 1.23 sec"), failed tests listed after "---". The
# shards share one build tree, where each ctest would overwrite the others' cost data.
tweak_cost_table_from_logs() {
  awk '
    match($0, /Test +#[0-9]+: [^ ]+ /) {
      split(substr($0, RSTART, RLENGTH), part, ": ")
      name = part[2]; sub(/ +$/, "", name)
      if (match($0, /[0-9.]+ sec$/)) {
        secs = substr($0, RSTART, RLENGTH - 4)
        if (!(name in seen)) order[++n] = name
        seen[name] = secs
        if ($0 !~ / Passed +[0-9.]+ sec$/ && $0 !~ /Skipped/) failed[name] = 1
      }
    }
    END {
      for (i = 1; i <= n; i++) printf "%s 1 %s\n", order[i], seen[order[i]]
      print "---"
      for (i = 1; i <= n; i++) if (order[i] in failed) print order[i]
    }
  ' "$@"
}

# tweak_cost_table_merge NEW OLD: NEW's costs and failures, and OLD's costs of the tests NEW does
# not have (tests left out of a run by a filter keep their history).
tweak_cost_table_merge() {
  awk '
    FNR == 1 { file++; part = 1 }
    $0 == "---" { part = 2; next }
    file == 1 && part == 1 && NF >= 3 { have[$1] = 1; print; next }
    file == 1 && part == 2 && NF > 0 { failed[++nf] = $0; next }
    file == 2 && part == 1 && NF >= 3 && !($1 in have) { print }
    END { print "---"; for (i = 1; i <= nf; i++) print failed[i] }
  ' "$1" "$2"
}
