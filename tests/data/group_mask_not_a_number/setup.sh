# The settings mask of group Teens is "abc": it reads as 0, so the group's own settings are not exported.
sqlite3 "$CONSOLE_DIR/data/kestrun.db" "UPDATE Pools SET SettingsMask = 'abc' WHERE PoolId = 2;"
