# Exercise 5: cancelling a route with its sealed release button.
#
# A route from track 1 through signal B toward Stacja C is set, and then the
# train is not to go. Putting B back to stop with its signal button does not
# free the route: the path stays lit, the points stay locked, and the signal
# button of B is blocked. Only the release button "zwb" frees it, and "zwb" is
# sealed: the seal is broken from the menu "Zdjęcie plomb", and put back from
# "Założenie plomb" afterwards.

click START.st                  # "Chętnie popracuję"

# 1. Both points plus: the signal button "B" sets the route into ITH. B shows
#    green, the path lights yellow, the arrow of track 1 appears.
click psb
expect pb true
expect ALed9.on true            # B's desk green lamp
expect ALed24.on true           # field green of B
expect im5.picture AW1Z
expect im6.picture AW4PZ
expect im8.picture AW1Z
expect Panel56.visible true
expect z1ab.enabled false

# 2. A second click on "B" puts B to stop and takes the arrow away, but the route
#    stays set and locked, and the signal button of B no longer reacts.
click psb
expect ALed9.on false
expect ALed8.on true
expect Panel56.visible false
expect pb true
expect ub false
expect im8.picture AW1Z
expect psb.enabled false
expect z1ab.enabled false

# 3. The release button is sealed: the black seal bar covers it and a click
#    changes nothing.
expect pzwb.visible true
click zwb
expect pb true
expect ub false

# 4. Break the seal: "Zdjęcie plomb" > "zwb". The bar is gone, the button works.
menu zwb1
expect pzwb.visible false
expect zwb.enabled true

# 5. "zwb" cancels the route: the path goes dark (the points white), B stays at
#    stop, the points are free and the signal button of B works again.
click zwb
expect pb false
expect ub true
expect im5.picture AW1S
expect im6.picture AW4PB
expect im7.picture AW3PB
expect im8.picture AW1S
expect ALed8.on true
expect psb.enabled true
expect z1ab.enabled true
expect z1cd.enabled true

# 6. The seal stays broken after use until it is put back: "Założenie plomb" >
#    "zwb".
expect zwb.enabled true
menu zwb2
expect zwb.enabled false
expect pzwb.visible true

# The station is back at rest: a new route from B can be set.
click psb
expect pb true
expect ALed9.on true
