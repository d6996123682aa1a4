# Every row is written, but the device reports a failure when the file is synced at the end.
fail_sync
