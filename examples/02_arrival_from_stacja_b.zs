# Exercise 2: a train from Stacja B received on track 3 and closed with "KoG".
#
# Stacja B asks for the line ("Wbl" in the framed panel "Stacja B"), ZORMIA
# grants it ("Poz"), and Stacja B's train enters the line ("dPoV", a counted
# auxiliary button: the only way to send a train from Stacja B). The route from
# G into track 3 is set and the train run. Once it has left ITG complete while
# still in ITD, the "KoG" lamp lights, and "KoG" at ZORMIA frees the line.
#
# Times in the comments count from the click on the train arrow.

click START.st                  # "Chętnie popracuję"

# 1. Request from Stacja B: "Wbl" there. Its arrow lamp and ZORMIA's "Poz" lamp
#    flash yellow.
click pwbl2
expect wblIn true
expect ALed51.blink true
expect ALed39.blink true

# 2. Permission: "Poz" at ZORMIA.
click ppoz1
expect pozIn true
expect ALed39.blink false

# 3. Stacja B's train enters the line: "dPoV" at Stacja B. The line is occupied
#    from Stacja B (both arrow lamps red, "PWL" at Stacja B) and the press is
#    counted on the display above the button.
click pdpo2
expect busyIn true
expect ldpov.value 1
expect ALed51.color "#FF0000"
expect ALed39.color "#FF0000"
expect ALed49.on true

# 4. Track 3 is reached over both points thrown to minus.
click z1ab
click z1cd
expect z1ab.caption "-"
expect z1cd.caption "-"

# 5. The signal button "G" sets the route into track 3: G shows upper and lower
#    yellow, the path from ITG to track 3 lights yellow, the train arrow of G
#    appears and the points are locked.
click psg
expect pga true
expect ALed2.on true            # G's desk green lamp
expect ALed45.on true           # upper yellow of G
expect ALed47.on true           # lower yellow of G
expect im23.picture AW1Z
expect im2.picture AW1Z
expect Panel64.visible true
expect z1ab.enabled false
expect z1cd.enabled false

# 6. Start the train with the arrow of G.
click PrzebiegiG
expect Panel64.visible false

# 1 s: on the line before G. 3 s: it passes G into ITG; G drops to stop.
wait 1000
expect im25.picture AW1C
wait 2000
expect im23.picture AW1C
expect ALed2.on false
expect ALed1.on true

# 4 s: in ITD too. 6 s: ITG clear while ITD is still occupied: the train came in
#    complete and the "KoG" lamp lights.
wait 1000
expect im19.picture AW1C
expect ALed35.on false
wait 2000
expect im23.picture AW1Z
expect ALed35.on true

# 15 s: the train runs onto track 3. 19 s: the route behind it is released.
wait 9000
expect im1.picture AW1C
wait 4000
expect ug true
expect z1ab.enabled true

# 22 s: the route has ended; track 3 shows its rest look again.
wait 3000
expect pga false
expect Timer5.enabled false
expect im1.picture AW1Z

# No new route from G before the end block.
click psg
expect pga false

# 7. End block: "KoG" at ZORMIA. The arrival supervision is back at rest at
#    once; the block lamps flash yellow and go dark 8 s after the press.
click pkog
expect arrivalState 0
wait 1000
expect ALed51.blink true
expect ALed51.color "#FFFF00"
wait 7000
expect ALed51.on false
expect ALed39.on false
expect ALed49.on false
expect ALed35.on false
expect pozIn false
expect busyIn false

# The line is free: ZORMIA may ask for it again.
click pwbla
expect wblOut true
