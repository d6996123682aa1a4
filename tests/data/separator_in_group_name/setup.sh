# A group name holding the field separator ends the export at that group.
sqlite3 "$CONSOLE_DIR/data/kestrun.db" "UPDATE Pools SET Name = 'Te^~%ens' WHERE PoolId = 2;"
