# The localized-messages file is missing: every message is exported empty, which the run
# says once, as a setting to configure by hand.
rm "$CONSOLE_DIR/languages/localmsgs.inf"
