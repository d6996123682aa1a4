# The Spanish usage policy is a web address with a character beyond Latin-1: its row holds
# a "?" (a broken link), which is said before the row. The French one is a local file with
# such a character: only the local-file line is printed.
set_entry "$MC_QFP" 'Use Policy: es' 'https://www.riverside.lib/política—es.htm'
set_entry "$MC_QFP" 'Use Policy: fr' 'C:\Kestrun\politique—fr.htm'
