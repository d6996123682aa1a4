# The exe sits in the Management Console's program folder and is started by its full path
# from another folder (a command prompt at the drive's root, a shortcut that starts it
# elsewhere): the Management Service's preferences are found beside the program.
program_in "$PROGRAMS_DIR/Management Console"
if [ "$under_wine" = 1 ]; then
    WORK_DIR=$WINEPREFIX/drive_c
else
    WORK_DIR=$ROOT
fi
