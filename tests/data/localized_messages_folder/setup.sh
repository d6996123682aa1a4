# A folder stands where the localized-messages file belongs.
rm "$CONSOLE_DIR/languages/localmsgs.inf"
mkdir "$CONSOLE_DIR/languages/localmsgs.inf"
