# No desktop folder, so the export file goes to the working directory, where a folder already
# holds its name. (Stands in for a read-only working directory, which root could still write to.)
rmdir "$HOME_DIR/Desktop"
mkdir -p "$WORK_DIR/kestrunSettings.csv/taken"
EXPORT_FILE="$WORK_DIR/kestrunSettings.csv"
