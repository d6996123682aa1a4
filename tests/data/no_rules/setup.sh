# No user-validation rules: no rules warning.
rm "$CONSOLE_DIR/config/ksrUserValidate.inf"
