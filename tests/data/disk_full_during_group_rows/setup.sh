# The disk takes the branch rows (13,490 bytes) and the groups dump (778 bytes), then fills
# up 3,000 bytes into the 7,302 bytes of group rows.
fill_disk_after $((13490 + 778 + 3000))
