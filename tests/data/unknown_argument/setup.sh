# An unknown argument before a known one: the unknown one is named, the usage follows on
# standard error, and the export file of an earlier run stays as it was.
mkdir -p "$(dirname "$EXPORT_FILE")"
printf 'rows of an earlier run\r\n' >"$EXPORT_FILE"
