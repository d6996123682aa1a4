# No database file: both tables fail, every message is printed, the run fails.
rm "$CONSOLE_DIR/data/kestrun.db"
