# The second validating authority uses telnet: every connector1 row, then the export stops.
set_entry "$MS_QFP" "Validating Authority 2: Name" "Evergreen"
set_entry "$MS_QFP" "Validating Authority 2: Connection Type" "1"
