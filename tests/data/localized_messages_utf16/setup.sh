# The localized-messages file in UTF-16: the messages read as from the Windows-1252 file.
messages_file="$CONSOLE_DIR/languages/localmsgs.inf"
{ printf '\377\376'; iconv -f WINDOWS-1252 -t UTF-16LE "$messages_file"; } >"$messages_file.new"
mv "$messages_file.new" "$messages_file"
