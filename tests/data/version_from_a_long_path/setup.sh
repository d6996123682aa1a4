# "--version" from a copy of the program in a folder whose path is longer than the 260
# characters of MAX_PATH (the manifest declares long paths): the banner still shows the
# version. On Linux the program-data folder is missing too, as for "--version" alone.
long_folder=$ROOT
for part in first second third; do
    long_folder+=/$(printf "${part}-folder-with-a-long-name-%.0s" 1 2 3 4)
done
[ ${#long_folder} -gt 300 ] || { echo "FAIL: the folder '$long_folder' is not long enough"; exit 1; }
program_in "$long_folder"
[ "$under_wine" = 1 ] || PROGRAMDATA="$ROOT/nowhere"
