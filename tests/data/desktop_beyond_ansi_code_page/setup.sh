# The user's desktop lies in a folder whose name has characters beyond the ANSI code page
# of a Western Windows (Polish and Chinese letters).
HOME_DIR="$ROOT/Łukasz 測試"
mkdir -p "$HOME_DIR"
mv "$ROOT/home/Desktop" "$HOME_DIR/Desktop"
EXPORT_FILE="$HOME_DIR/Desktop/KESTRUN_SETTINGS/kestrunSettings.csv"
