# Both preference files hold no setting: every row comes from its default.
for f in "$MC_QFP" "$MS_QFP"; do
    printf "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n<Settings>\r\n<version>1.1</version>\r\n<type>MC Config</type>\r\n</Settings>\r\n" >"$f"
done
