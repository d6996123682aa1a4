# Daily limits counted in sessions: the quota is sessions x session length.
set_entry "$MC_QFP" "General: User Validation Limits Type" "1"
set_entry "$MC_QFP" "General: User Validation Limits Sessions Per Day To" "3"
