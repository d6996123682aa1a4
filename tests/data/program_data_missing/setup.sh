# PROGRAMDATA names no folder: every installation path is relative to the working directory.
PROGRAMDATA="$ROOT/nowhere"
