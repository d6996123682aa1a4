# The disk takes the branch rows (13,490 bytes), the groups dump (778 bytes) and the group
# rows (7,302 bytes), then fills up 300 bytes into the computers dump (656 bytes).
fill_disk_after $((13490 + 778 + 7302 + 300))
