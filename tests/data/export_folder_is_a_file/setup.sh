# KESTRUN_SETTINGS on the desktop is a file, not a folder: the export file cannot be created.
# (Stands in for a read-only export folder, which root could still write to.)
touch "$HOME_DIR/Desktop/KESTRUN_SETTINGS"
