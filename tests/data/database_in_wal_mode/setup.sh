# The database is in write-ahead-log mode, as a console that switched to it leaves it. The
# shell removes its side files when it closes, so the run starts without them; reading the
# database makes them again, and the run removes them, leaving the installation as it was.
sqlite3 "$CONSOLE_DIR/data/kestrun.db" 'PRAGMA journal_mode=WAL;' >/dev/null
