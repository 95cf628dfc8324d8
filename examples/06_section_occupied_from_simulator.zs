# Exercise 6: track sections marked occupied from the occupancy simulator.
#
# The menu "Symulator" opens the panel "Symulacja zajętości" with one button per
# track section; a button pressed down marks its section occupied (red). The
# exercise shows the two things an occupied section does to a route from H into
# track 1: it keeps the route from being set, and under a route already set it
# puts the signal back to stop and takes the train arrow away, while the route
# stays locked until its release button "zwh" frees it.

click START.st                  # "Chętnie popracuję"
menu Symulator1
expect symulator.visible true
expect Label2.caption "Symulacja zajętości"

# 1. Mark track 1 occupied ("IT1"). Track 1 turns red.
click sit1
expect sit1.down true
expect occIT1 true
expect im4.picture AW1C

# 2. With track 1 occupied the signal button "H" sets no route into it.
click psh
expect phb false
expect ALed17.on false
expect Panel63.visible false

# 3. Free track 1 again ("IT1" up): it shows its yellow rest look, and "H" now
#    sets the route. H shows upper yellow (P at stop).
click sit1
expect sit1.down false
expect occIT1 false
expect im4.picture AW1Z
click psh
expect phb true
expect ALed17.on true
expect ALed40.on true
expect Panel63.visible true

# 4. Mark the points section occupied ("IZ1") under the set route: IZ1 turns
#    red, H drops to stop and the arrow of H disappears. The route itself stays
#    set and the points stay locked.
click siz1
expect occIZ1 true
expect im7.picture AW3PC
expect ALed17.on false
expect ALed16.on true
expect ALed41.on true
expect Panel63.visible false
expect phb true
expect uh false
expect z1ab.enabled false

# 5. Free IZ1 ("IZ1" up): it shows the route colour again, but H stays at stop;
#    the train cannot be started.
click siz1
expect occIZ1 false
expect im7.picture AW3PZ
expect ALed16.on true
expect Panel63.visible false

# 6. Hide the panel with "UKRYJ"; the buttons keep their state.
click BitBtn1
expect symulator.visible false

# 7. Only the release button frees the route: "Zdjęcie plomb" > "zwh", then
#    "zwh". The path goes dark and the points are free again.
menu zwh1
click zwh
expect phb false
expect uh true
expect im7.picture AW3PB
expect im8.picture AW1S
expect z1ab.enabled true
menu zwh2                       # "Założenie plomb" > "zwh": sealed again
expect pzwh.visible true
