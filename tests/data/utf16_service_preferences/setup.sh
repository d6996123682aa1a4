# The Management Service file in UTF-16 with a matching declaration: it loads as the UTF-8 one.
{ printf '\377\376'; sed '1s/utf-8/utf-16/' "$MS_QFP" | iconv -f UTF-8 -t UTF-16LE; } >"$MS_QFP.new"
mv "$MS_QFP.new" "$MS_QFP"
