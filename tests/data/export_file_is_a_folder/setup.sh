# A folder stands at the export file's name: it cannot be deleted, and the export file
# cannot be opened there; nothing is written.
mkdir -p "$EXPORT_FILE"
