# The computers dump (656 bytes) is written whole, but reading it back fails after 300 bytes.
fail_reading_after resComputersDump.csv 300
