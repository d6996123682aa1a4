# The database has no Equipment table: the groups are exported, the computers fail.
sqlite3 "$CONSOLE_DIR/data/kestrun.db" 'DROP TABLE Equipment;'
