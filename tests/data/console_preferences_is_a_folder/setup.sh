# A folder in place of the Management Console preference file.
rm "$MC_QFP"
mkdir "$MC_QFP"
