# HOME has no Desktop folder: the export file is written to the working directory.
rmdir "$ROOT/home/Desktop"
EXPORT_FILE="$WORK_DIR/kestrunSettings.csv"
