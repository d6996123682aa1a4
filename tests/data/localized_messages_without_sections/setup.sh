# The localized-messages file has lost its section headers: no language finds its messages.
LC_ALL=C sed -i '/^\[/d' "$CONSOLE_DIR/languages/localmsgs.inf"
