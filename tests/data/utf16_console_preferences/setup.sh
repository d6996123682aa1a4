# The Management Console file re-saved as UTF-16 while its declaration still says UTF-8.
{ printf '\377\376'; iconv -f UTF-8 -t UTF-16LE "$MC_QFP"; } >"$MC_QFP.new"
mv "$MC_QFP.new" "$MC_QFP"
