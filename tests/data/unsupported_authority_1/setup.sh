# The first validating authority cannot be served: no connector row and nothing after.
set_entry "$MS_QFP" "Validating Authority 1: Name" "Main LDAP Server"
