# PROGRAMDATA names no folder: every installation path is relative to the working directory.
linux_only "only Linux takes the program-data folder from the environment"
PROGRAMDATA="$ROOT/nowhere"
