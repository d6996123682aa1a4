# "-h" prints the usage and nothing else: the export file of an earlier run stays as it was.
mkdir -p "$(dirname "$EXPORT_FILE")"
printf 'rows of an earlier run\r\n' >"$EXPORT_FILE"
