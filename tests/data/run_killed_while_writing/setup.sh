# The run is killed (a power cut, the console window closed) after 5000 bytes of the export
# reached the disk: they stand in the partial file, and no export file exists.
kill_after 5000
