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
