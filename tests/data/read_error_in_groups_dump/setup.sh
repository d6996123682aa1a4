# The groups dump (778 bytes) is written whole, but reading it back fails after 300 bytes.
fail_reading_after groupsDump.csv 300
