# The desktop is a file, not a folder: the export folder cannot be made inside it.
# (Stands in for a read-only desktop, which root could still write to.)
rmdir "$HOME_DIR/Desktop"
touch "$HOME_DIR/Desktop"
