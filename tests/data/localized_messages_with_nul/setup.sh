# A NUL byte inside an English message: the message ends there, the line does not.
LC_ALL=C sed -i 's/^LCL_WARN_DISPLAY_1=Your session ends/&\x00/' "$CONSOLE_DIR/languages/localmsgs.inf"
