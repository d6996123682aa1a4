# The export folder's disk fills up after 6,000 bytes, within the 13,490 bytes of branch rows.
fill_disk_after 6000
