# A Latin-1 byte (0xE9) in the Management Console file, which declares UTF-8.
LC_ALL=C sed -i 's/>GST</>G\xe9ST</' "$MC_QFP"
