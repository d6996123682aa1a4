# The user-validation file has lost its section headers: there is no rule 1, so no warning.
LC_ALL=C sed -i '/^\[/d' "$CONSOLE_DIR/config/ksrUserValidate.inf"
