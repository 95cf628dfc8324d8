# A train from track 3 toward Stacja C. Throw 1cd to minus, set the route with
# the signal button of A, start the train with the arrow at track 3 and watch it
# pass A, free the points behind it and leave toward Stacja C.
click START.st
click z1cd
expect z1cd.caption "-"
expect im6.picture AW4MB

# A shows green over lower yellow; the route is lit and the points are locked.
click psa
expect pa true
expect ALed4.on true
expect ALed6.on false
expect ALed19.on true
expect ALed22.on true
expect Panel55.visible true
expect im3.picture AW7Z
expect im6.picture AW4MZ
expect im8.picture AW1Z
expect z1ab.enabled false
expect z1cd.enabled false

# The arrow starts the train: it is shown on track 3 at once.
click PrzebiegiA
expect im1.picture AW1C
expect Timer3.enabled true
wait 4000
expect ALed4.on true

# 5 s: the train passes A, which goes back to stop.
wait 1000
expect ALed4.on false
expect ALed6.on true
expect ALed21.on true
expect Panel55.visible false
expect im2.picture AW1C

# 14 s: the train reaches ITH.
wait 9000
expect im8.picture AW1C
expect ua false

# 17 s: the route behind the train is released; the points can be thrown again.
wait 3000
expect ua true
expect im2.picture AW1S
expect im6.picture AW4MB
expect z1ab.enabled true
expect z1cd.enabled true
expect pa true

# 22 s: the train has left toward Stacja C.
wait 5000
expect pa false
expect Timer3.enabled false
expect step3 0
expect im8.picture AW1S
