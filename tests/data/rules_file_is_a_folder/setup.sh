# The user-validation file is a folder: rules that cannot be looked at are said, and become
# an item of the list, instead of the rules line.
rm "$CONSOLE_DIR/config/ksrUserValidate.inf"
mkdir "$CONSOLE_DIR/config/ksrUserValidate.inf"
