# The Management Service's preference file is cut short: the run fails before anything is
# exported, and the export and list of an earlier run, and the partial export file of an
# interrupted one, stay exactly as they were.
mkdir -p "$HOME_DIR/Desktop/KESTRUN_SETTINGS"
printf 'BranchSetting^~%%earlier.row^~%%^~%%kept^~%%\r\n' >"$EXPORT_FILE"
printf '\xEF\xBB\xBFearlier list\r\n' >"$ACTIONS_FILE"
head -c 200 "$MS_QFP" >"$MS_QFP.cut" && mv "$MS_QFP.cut" "$MS_QFP"
printf 'BranchSetting^~%%cut.row^~%%^~%%kept^~%%\r\nBranch' >"$EXPORT_FILE.partial"
KEEPS_EARLIER_EXPORT=1
