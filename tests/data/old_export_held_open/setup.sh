# On Windows another program holds the export file of an earlier run, longer than this run's,
# open for reading and writing, and does not let others delete it. The run cannot delete it,
# writes the export whole into the partial file, and cannot move it over the held file: it
# fails, and the earlier export stays as it was.
mkdir "$HOME_DIR/Desktop/KESTRUN_SETTINGS"
for row in $(seq 3000); do printf 'BranchSetting^~%%old.row.%d^~%%^~%%old^~%%\r\n' "$row"; done >"$EXPORT_FILE"
hold_open_without_delete_sharing "$EXPORT_FILE"
