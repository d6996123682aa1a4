# The Management Service preference file is missing: the console file loads, the run fails.
rm "$MS_QFP"
