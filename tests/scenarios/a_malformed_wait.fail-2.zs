# A wait needs a whole number of milliseconds.
wait 1.5
