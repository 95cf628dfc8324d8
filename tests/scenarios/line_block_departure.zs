# A departure toward Stacja B. ZORMIA asks for the line with Wbl, Stacja B
# grants it with Poz, route D is set and a train from track 3 runs to D and is
# handed over to route D. The train passing D gives the start block; its arrival
# at Stacja B lights the KoY lamp there, and KoY at Stacja B frees the line.
click START.st

# Wbl at ZORMIA: both direction lamps flash yellow.
click pwbla
expect wblOut true
expect ALed44.on true
expect ALed44.blink true
expect ALed44.color "#FFFF00"
expect ALed52.on true
expect ALed52.blink true

# Poz at Stacja B: the permission stands, both lamps burn steadily.
click ppoz2
expect wblOut false
expect pozOut true
expect freeOut true
expect ALed44.blink false
expect ALed52.blink false

# Both points to minus, then the signal button of D: D shows proceed, ITG is lit
# and the start block is pending (Poz lamp at Stacja B flashing red, PWL lit).
# ITD is empty, so nothing moves yet.
click z1ab
click z1cd
click psd
expect pd true
expect routeOut true
expect freeOut false
expect ud false
expect ALed14.on true
expect ALed37.on true
expect im23.picture AW1Z
expect ALed52.color "#FF0000"
expect ALed52.blink true
expect ALed44.color "#FFFF00"
expect ALed34.on true
expect Timer6.enabled false

# The route from A to D: A announces D's proceed aspect with green.
click psa
expect pag true
expect ALed19.on true
expect ALed22.on true
click PrzebiegiA
expect Timer5.enabled true

# 20 s: the train stands in ITD and is handed over to route D.
wait 20000
expect pag false
expect im19.picture AW1C
expect Timer5.enabled false
expect Timer6.enabled true
expect step6 4

# 1 s later the train passes D: ITG red, D at stop, the line is occupied.
wait 1000
expect im23.picture AW1C
expect ALed14.on false
expect ALed15.on true
expect busyOut true
expect ALed44.color "#FF0000"
expect ALed44.blink false
expect ALed52.color "#FF0000"
expect ALed52.blink false

# ITD clears, then ITG: the train is out on the line.
wait 2000
expect im19.picture AW1S
wait 3000
expect im23.picture AW1S
expect ALed50.on false

# The train arrives at Stacja B: the KoY lamp lights; a second later route D is
# free again while the line stays occupied.
wait 5000
expect ALed50.on true
wait 1000
expect pd false
expect ud true
expect Timer6.enabled false
expect busyOut true

# KoY at Stacja B: the direction lamps flash yellow, 8 s later the block rests.
click pkoy
expect koRunOut true
expect Timer7.enabled true
wait 1000
expect ALed44.on true
expect ALed44.blink true
expect ALed44.color "#FFFF00"
expect ALed52.color "#FFFF00"
wait 7000
expect ALed44.on false
expect ALed52.on false
expect ALed34.on false
expect ALed50.on false
expect wblOut false
expect pozOut false
expect routeOut false
expect busyOut false
expect koRunOut false
expect Timer7.enabled false
