# Exercise 4: a departure toward Stacja B on the substitute signal of D.
#
# A train from track 2 is brought into ITD while D shows stop, so it stops
# before D. It is to leave on the substitute signal ("SzD"), without route D.
# The line block still has to be worked: ZORMIA asks for the line ("Wbl"),
# Stacja B grants it ("Poz"), and since no route D gives the start block, the
# counted auxiliary button "dPoD" occupies the line. "SzD" flashes D's white
# lamps and shows a small arrow beside D; the arrow starts the train. Its
# arrival at Stacja B lights the "KoY" lamp there, and "KoY" frees the line.

click START.st                  # "Chętnie popracuję"

# 1. Bring the train into ITD: route from track 2 (signal button "C"), with D at
#    stop. C shows yellow: D ahead is at stop.
click psc
expect ALed32.on true           # field yellow of C
expect ALed30.on false
click PrzebiegC

# 18 s later the route has ended and the train stands in ITD before D.
wait 18000
expect pc false
expect Timer6.enabled false
expect occITD true
expect im19.picture AW1C
expect ALed15.on true           # D at stop

# 2. The line block: "Wbl" at ZORMIA, "Poz" at Stacja B, then "dPoD" at ZORMIA.
#    The line is occupied (both arrow lamps steady red, "PWL" lit) and the press
#    is counted on the display above "dPoD".
click pwbla
click ppoz2
expect pozOut true
click pdpod
expect busyOut true
expect ldpod.value 1
expect ALed44.color "#FF0000"
expect ALed52.color "#FF0000"
expect ALed34.on true

# 3. "SzD": D's white lamps flash on the desk and in the field panel, the use
#    is counted, and with ITD occupied the arrow of SzD appears beside D.
click pszd
expect szOnD true
expect ALed13.on true
expect ALed13.blink true
expect ALed38.on true
expect lid.value 1
expect jszd.visible true

# 4. The arrow starts the train. Times below count from this click.
click jszd
expect Timer6.enabled true

# 5 s: the train passes D into ITG. No route D is set, so this gives no start
#    block of its own: "dPoD" already occupied the line.
wait 5000
expect im23.picture AW1C
expect pd false

# 7 s: ITD clear.
wait 2000
expect im19.picture AW1S
expect occITD false

# 10 s: ITG clear, the train is on the line. The substitute signal has timed out
#    10 s after "SzD": the white lamps are dark and the arrow is gone.
wait 3000
expect im23.picture AW1S
expect szOnD false
expect ALed13.on false
expect jszd.visible false

# 15 s: the train arrives at Stacja B. The line is occupied, so the "KoY" lamp
#    lights there.
wait 5000
expect ALed50.on true

# 16 s: the departure program has ended.
wait 1000
expect Timer6.enabled false

# 5. End block: "KoY" at Stacja B; 8 s later the block is at rest.
click pkoy
wait 8000
expect ALed44.on false
expect ALed52.on false
expect ALed34.on false
expect ALed50.on false
expect pozOut false
expect busyOut false

# The counters keep the uses: one "dPoD", one "SzD".
expect dpod 1
expect szd 1
