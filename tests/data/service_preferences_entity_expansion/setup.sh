# The Management Service file declares an entity and uses it far too often: it would expand
# to gigabytes, so it is refused before it is expanded.
{ printf '<?xml version="1.0" encoding="utf-8" ?>\r\n<!DOCTYPE Settings [<!ENTITY a "%s">]>\r\n<Settings>\r\n' "$(head -c 4000 /dev/zero | tr '\0' A)"
  printf "<entry name='Padding'>"
  for _ in $(seq 200); do printf '&a;%.0s' $(seq 100); done
  printf '</entry>\r\n</Settings>\r\n'; } >"$MS_QFP"
