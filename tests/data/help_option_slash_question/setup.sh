# "/?", as Windows programs take it, prints the usage like "-h".
