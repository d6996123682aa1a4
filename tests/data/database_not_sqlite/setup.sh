# The database file holds text, not a database: both tables fail, the run fails.
printf 'not a database\r\n' >"$CONSOLE_DIR/data/kestrun.db"
