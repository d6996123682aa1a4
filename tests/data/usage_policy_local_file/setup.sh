# The English usage policy is a local file: the policy is disabled and the row commented out.
set_entry "$MC_QFP" "Use Policy: en_us" "C:\\policy.htm"
