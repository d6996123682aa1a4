# Group Express has its own reservation rules (mask 3) and "x" as its at-client flag: the export stops.
sqlite3 "$CONSOLE_DIR/data/kestrun.db" "UPDATE Pools SET AtClientAllowed = 'x' WHERE PoolId = 4;"
