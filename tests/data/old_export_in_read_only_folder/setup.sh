# An ordinary user whose export folder is read-only, holding a writable export file, a
# writable partial export file and writable dump files from earlier runs, all longer than
# this run's: none of them can be deleted, but each can be written from its start. The
# export is written whole into the partial file, but cannot take the export file's name:
# the earlier export stays as it was.
folder="$HOME_DIR/Desktop/KESTRUN_SETTINGS"
mkdir "$folder"
for row in $(seq 3000); do printf 'BranchSetting^~%%old.row.%d^~%%^~%%old^~%%\r\n' "$row"; done >"$EXPORT_FILE"
for row in $(seq 3000); do printf 'BranchSetting^~%%cut.row.%d^~%%^~%%cut^~%%\r\n' "$row"; done >"$EXPORT_FILE.partial"
for row in $(seq 200); do printf '%d,"Old group %d",0,0,2,0\r\n' "$row" "$row"; done >"$folder/groupsDump.csv"
for row in $(seq 200); do printf '%d,OLD-%d,"",Old,0,0,1\r\n' "$row" "$row"; done >"$folder/resComputersDump.csv"
as_ordinary_user
chmod a-w "$folder"
