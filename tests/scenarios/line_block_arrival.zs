# An arrival from Stacja B. Stacja B asks for the line with Wbl, ZORMIA grants it
# with Poz, and Stacja B's train enters the line (dPoV). The route from G into
# track 2 is set and the train run with its arrow; the arrival supervision lights
# the KoG lamp once the train has left ITG complete, and KoG at ZORMIA frees the
# line.
click START.st

click pwbl2
expect wblIn true
expect ALed51.on true
expect ALed51.blink true
expect ALed39.on true
expect ALed39.blink true

click ppoz1
expect pozIn true
expect freeIn true
expect ALed39.blink false

# dPoV at Stacja B: the line is occupied, and the press is counted.
click pdpo2
expect busyIn true
expect ldpov.value 1
expect ALed51.color "#FF0000"
expect ALed39.color "#FF0000"
expect ALed49.on true

# With 1ab plus the signal button of G sets the route into track 2: G shows
# upper yellow, the route is lit and its train arrow shown.
click psg
expect pgc true
expect ugc false
expect ALed2.on true
expect ALed45.on true
expect ALed54.on false
expect Panel64.visible true
expect im23.picture AW1Z
expect im15.picture AW1Z
expect z1ab.enabled false

click PrzebiegiG
expect Panel64.visible false
expect Timer5.enabled true

# The train is on the line, passes G into ITG and reaches ITD.
wait 1000
expect im25.picture AW1C
wait 2000
expect im23.picture AW1C
expect ALed2.on false
expect arrivalState 1
wait 1000
expect im19.picture AW1C
expect im25.picture AW1S
expect arrivalState 2
expect ALed35.on false

# 6 s: it has left ITG while still in ITD: the KoG lamp lights.
wait 2000
expect im23.picture AW1Z
expect ALed35.on true

# 14 s: ITD clear; 15 s: the route is released; 18 s: the program ends.
wait 8000
expect arrivalState 6
wait 1000
expect ugc true
expect z1ab.enabled true
wait 3000
expect pgc false
expect Timer5.enabled false
expect im15.picture AW1Z

# No new route from G until the end block.
click psg
expect pgc false

# KoG at ZORMIA: the supervision is back at rest at once, the block 8 s later.
click pkog
expect koRunIn true
expect arrivalState 0
wait 1000
expect ALed51.blink true
expect ALed51.color "#FFFF00"
expect ALed39.blink true
wait 7000
expect ALed51.on false
expect ALed39.on false
expect ALed49.on false
expect ALed35.on false
expect pozIn false
expect busyIn false
expect Timer7.enabled false
