# Exercise 1: a departure toward Stacja B under the line block.
#
# A train stands on track 2 and is to leave toward Stacja B. ZORMIA asks for
# the line ("Wbl"), Stacja B grants it ("Poz" in the framed panel "Stacja B"),
# the route past D is set, then the route from track 2 through signal C into
# ITD. The train runs on past D without stopping; its arrival at Stacja B lights
# the "KoY" lamp there, and "KoY" at Stacja B frees the line.
#
# Times in the comments count from the click on the train arrow.

click START.st                  # "Chętnie popracuję": the desk opens

# 1. Request: "Wbl" at ZORMIA. The arrow lamps above "Wbl" at ZORMIA and above
#    "Poz" at Stacja B flash yellow.
click pwbla
expect wblOut true
expect ALed44.blink true
expect ALed52.blink true

# 2. Permission: "Poz" at Stacja B. Both arrow lamps burn steadily yellow.
click ppoz2
expect pozOut true
expect ALed44.blink false
expect ALed52.blink false

# 3. The route past D: the signal button "D". D shows green, ITG lights yellow,
#    the "Poz" lamp at Stacja B flashes red and "PWL" lights: the start block is
#    pending until the train passes D.
click psd
expect pd true
expect ALed14.on true           # D's desk green lamp
expect ALed37.on true           # D in "OBRAZY SEMAFORÓW W TERENIE"
expect im23.picture AW1Z
expect ALed52.color "#FF0000"
expect ALed52.blink true
expect ALed34.on true           # "PWL"

# 4. The route from track 2: points 1ab stay plus, the signal button "C". Since
#    D shows proceed, C shows green (not yellow) out on the line.
click psc
expect pc true
expect ALed12.on true           # C's desk green lamp
expect ALed30.on true           # field green of C
expect ALed32.on false          # field yellow of C
expect im18.picture AW4PZ
expect z1ab.enabled false       # the route locks the points

# 5. Start the train with the arrow at the left end of track 2.
click PrzebiegC
expect im15.picture AW1C        # the train on track 2

# 3 s: the train passes C, which drops to stop.
wait 3000
expect ALed12.on false
expect ALed11.on true
expect im16.picture AW1C

# 9 s: the train reaches ITD.
wait 6000
expect im19.picture AW1C

# 15 s: the route behind the train is released.
wait 6000
expect uc true
expect im18.picture AW4PB

# 18 s: the train reaches D, which shows proceed: route D takes it over.
wait 3000
expect pc false
expect Timer5.enabled false
expect Timer6.enabled true

# 19 s: the train passes D. D drops to stop, ITG is red, and the start block is
#    given: both arrow lamps burn steadily red, the line is occupied.
wait 1000
expect ALed14.on false
expect ALed15.on true
expect im23.picture AW1C
expect busyOut true
expect ALed44.color "#FF0000"
expect ALed44.blink false
expect ALed52.color "#FF0000"
expect ALed52.blink false

# 21 s ITD clear; 24 s ITG clear: the train is out on the line.
wait 2000
expect im19.picture AW1S
wait 3000
expect im23.picture AW1S
expect ALed50.on false

# 29 s: the train arrives at Stacja B: the "KoY" lamp lights there.
wait 5000
expect ALed50.on true

# 30 s: route D is free again; the line stays occupied until the end block.
wait 1000
expect pd false
expect ud true
expect busyOut true

# 6. End block: "KoY" at Stacja B. The arrow lamps flash yellow after 1 s and
#    the whole block is dark and at rest 8 s after the press.
click pkoy
wait 1000
expect ALed44.color "#FFFF00"
expect ALed44.blink true
wait 7000
expect ALed44.on false
expect ALed52.on false
expect ALed34.on false
expect ALed50.on false
expect pozOut false
expect busyOut false
expect routeOut false

# The exercise as taught: every lamp of the block dark, the station at rest.
expect z1ab.enabled true
expect im15.picture AW1Z
