# A 20 MB setting that no row exports: the file loads and the export is the sample's.
{ grep -v '^</Settings>' "$MC_QFP"
  printf "<entry name='Unused Padding'>"
  head -c 20000000 /dev/zero | tr '\0' x
  printf '</entry>\r\n</Settings>\r\n'; } >"$MC_QFP.new"
mv "$MC_QFP.new" "$MC_QFP"
