# An earlier run left its list; this run fails to load the preferences. The old list
# goes at the start, so no list is there to be taken for this run's.
mkdir -p "$HOME_DIR/Desktop/KESTRUN_SETTINGS"
printf 'old list\r\n' >"$HOME_DIR/Desktop/KESTRUN_SETTINGS/actionsRequired.txt"
rm "$MC_QFP"
