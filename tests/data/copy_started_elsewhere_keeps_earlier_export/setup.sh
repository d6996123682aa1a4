# A copy of the exe on the desktop, started there, finds no Management Service preferences:
# the run fails, and the export and list of an earlier run stay exactly as they were.
mkdir -p "$HOME_DIR/Desktop/KESTRUN_SETTINGS"
printf 'BranchSetting^~%%earlier.row^~%%^~%%kept^~%%\r\n' >"$EXPORT_FILE"
printf '\xEF\xBB\xBFearlier list\r\n' >"$ACTIONS_FILE"
program_in "$HOME_DIR/Desktop"
WORK_DIR=$HOME_DIR/Desktop
KEEPS_EARLIER_EXPORT=1
