# Another run holds the export folder: this run stops before it loads, deletes or writes
# anything, and the earlier export, its list and what an interrupted run left stay as they were.
mkdir -p "$HOME_DIR/Desktop/KESTRUN_SETTINGS"
printf 'BranchSetting^~%%earlier.row^~%%^~%%kept^~%%\r\n' >"$EXPORT_FILE"
printf '\xEF\xBB\xBFearlier list\r\n' >"$ACTIONS_FILE"
printf 'BranchSetting^~%%cut.row^~%%^~%%kept^~%%\r\nBranch' >"$EXPORT_FILE.partial"
hold_lock
KEEPS_EARLIER_EXPORT=1
