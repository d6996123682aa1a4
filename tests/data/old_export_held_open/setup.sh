# Another program holds the export file of an earlier run, longer than this run's, open for
# reading and writing; on Windows it does not let others delete the file.
mkdir "$HOME_DIR/Desktop/KESTRUN_SETTINGS"
for row in $(seq 3000); do printf 'BranchSetting^~%%old.row.%d^~%%^~%%old^~%%\r\n' "$row"; done >"$EXPORT_FILE"
hold_open_without_delete_sharing "$EXPORT_FILE"
