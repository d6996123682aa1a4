# A folder stands where the list of settings to configure by hand goes: the export
# completes, and the run says the list could not be written and where its items are.
mkdir -p "$HOME_DIR/Desktop/KESTRUN_SETTINGS/actionsRequired.txt"
