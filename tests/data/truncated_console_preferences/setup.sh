# The Management Console preference file ends half-way through an entry.
truncate -s $(($(wc -c <"$MC_QFP") / 2)) "$MC_QFP"
