# The Management Console preference file is empty (0 bytes): it is not a document.
: >"$MC_QFP"
