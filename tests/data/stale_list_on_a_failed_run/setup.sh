# An earlier run left its export and list; this run loads the preferences and then fails
# (no database). The old export and list went once the preferences had loaded, so no list
# is there to be taken for this run's.
mkdir -p "$HOME_DIR/Desktop/KESTRUN_SETTINGS"
printf 'BranchSetting^~%%earlier.row^~%%^~%%gone^~%%\r\n' >"$EXPORT_FILE"
printf 'old list\r\n' >"$ACTIONS_FILE"
rm "$CONSOLE_DIR/data/kestrun.db"
