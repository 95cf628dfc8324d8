# Giving a permission back, and the counted auxiliary buttons. ZORMIA asks for
# the line and gets it, then gives it back unused. It asks again and occupies
# the line with the auxiliary start block dPoD; Stacja B reports the train with
# dKoY and frees the line with KoY.
click START.st

click pwbla
click ppoz2
expect pozOut true

# Wbl again asks to give the permission back: both steady lamps flash again.
# "Odwołanie" in Wbl's popup menu does nothing.
click pwbla
expect reqOut true
expect ALed44.blink true
expect ALed52.blink true
rclick pwbla
menu Odwoanie1
expect reqOut true
expect pozOut true

# Poz at Stacja B confirms: the block is at rest.
click ppoz2
expect pozOut false
expect freeOut false
expect reqOut false
expect ALed44.on false
expect ALed52.on false

# dPoD without permission does nothing and is not counted.
click pdpod
expect busyOut false
expect ldpod.value 0

click pwbla
click ppoz2
click pdpod
expect busyOut true
expect freeOut false
expect ldpod.value 1
expect ALed44.color "#FF0000"
expect ALed52.color "#FF0000"
expect ALed34.on true
# The signal button of D can no longer set route D.
click psd
expect pd false

# Every press counts while the permission stands.
click pdpod
expect ldpod.value 2

# KoY does nothing until the KoY lamp is lit; dKoY lights it and is counted.
click pkoy
expect koRunOut false
click pdkox
expect ALed50.on true
expect ldkoy.value 1
click pkoy
wait 8000
expect busyOut false
expect pozOut false
expect ALed44.on false
expect ALed34.on false
expect ALed50.on false
