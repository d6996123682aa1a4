# Another process holds the database under an exclusive lock for the whole run: each table
# waits a few seconds, then fails. The holder ends as soon as the runner's EXIT trap removes
# ROOT, and after 30 seconds at most.
{ printf 'BEGIN EXCLUSIVE;\n.shell touch "%s/locked"\n' "$ROOT"
  ticks=0
  while [ -d "$ROOT" ] && [ $((ticks += 1)) -le 300 ]; do sleep 0.1; done
} 2>/dev/null | sqlite3 "$CONSOLE_DIR/data/kestrun.db" >/dev/null 2>&1 &
for _ in $(seq 100); do [ -e "$ROOT/locked" ] && break; sleep 0.05; done
rm -f "$ROOT/locked"
