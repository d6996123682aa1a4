# A branch value holding the field separator ends the export after the rows before it.
set_entry "$MC_QFP" "General: Guest Id Prefix" "G^~%ST"
