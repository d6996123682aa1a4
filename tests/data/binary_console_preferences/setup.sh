# Binary bytes (a copy of the database) in place of the Management Console preference file.
cp "$CONSOLE_DIR/data/kestrun.db" "$MC_QFP"
