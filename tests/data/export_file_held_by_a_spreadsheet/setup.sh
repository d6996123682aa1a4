# A spreadsheet has the export file of an earlier run open: on Windows nobody else may
# write or delete it. The run cannot open the file and says why; the old file stays as it was.
mkdir "$HOME_DIR/Desktop/KESTRUN_SETTINGS"
printf 'BranchSetting^~%%old.row^~%%^~%%old^~%%\r\n' >"$EXPORT_FILE"
hold_open_for_reading_only "$EXPORT_FILE"
