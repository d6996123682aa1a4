# A run was killed while it exported: its partial export file, both dumps and its lock file
# (naming a process that has ended) are left. This run takes the lock over, deletes the
# leftovers once the preferences have loaded and exports as usual.
folder="$HOME_DIR/Desktop/KESTRUN_SETTINGS"
mkdir -p "$folder"
printf 'BranchSetting^~%%cut.row^~%%^~%%gone^~%%\r\nBranch' >"$EXPORT_FILE.partial"
printf '1,"Cut group",0,0,2,0\r\n' >"$folder/groupsDump.csv"
printf '1,CUT-1,"",Cut,0,0,1\r\n' >"$folder/resComputersDump.csv"
hold_lock abandon
