# "--version" prints the banner alone. On Linux the program-data folder is missing too:
# nothing is looked up, so its message does not appear.
[ "$under_wine" = 1 ] || PROGRAMDATA="$ROOT/nowhere"
