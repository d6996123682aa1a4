# Guests are not allowed: only the guestEnabled row of the guest settings.
set_entry "$MC_QFP" "General: Guests Are Allowed" "0"
