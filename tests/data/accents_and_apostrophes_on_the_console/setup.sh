# The floor plan is a local file whose path has an accented letter and an apostrophe; the
# console line that asks to configure it by hand shows both as written.
set_entry "$MC_QFP" "General: Reservation Station Facility Map File Path" "C:\\Kestrun\\Biblioteca (Español)\\plano d'entrée.htm"
