# The Management Console preference file is missing: the service file is not read.
rm "$MC_QFP"
