# The desk's timers go on ticking while the desk is hidden.
click START.st
menu Symulator1
expect symulator.visible true
menu zwh1
expect zwh.enabled true
expect pzwh.visible false
close PUL
expect PUL.visible false
wait 2000
expect time 2000
click START.st
expect active PUL
# Everything on the desk is as it was left.
expect symulator.visible true
expect zwh.enabled true
expect pzwh.visible false

# A route program started before the desk is closed runs on to its end while the
# desk is hidden: reopened, the desk shows the route released.
click z1cd
click psa
click PrzebiegiA
expect Timer3.enabled true
close PUL
wait 5000
expect step3 5
expect ALed4.on false
wait 25000
expect Timer3.enabled false
expect pa false
click START.st
expect ua true
expect z1ab.enabled true
expect Panel55.visible false
