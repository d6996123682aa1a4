# The Management Console preference file opens but fails to read ("Input/output error"):
# a link to the program's own memory, whose first page is never mapped.
linux_only "the failing read is a Linux process file"
rm "$MC_QFP"
ln -s /proc/self/mem "$MC_QFP"
