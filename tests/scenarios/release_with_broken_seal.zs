# Cancelling a route with its sealed release button. The route from A to signal
# D is set; the release button of A does nothing while sealed. Break the seal
# from "Zdjęcie plomb", cancel the route, then put the seal back from
# "Założenie plomb".
click START.st
click z1ab
click z1cd
click psa
expect pag true
expect ua false
# D shows stop, so A announces it with upper yellow over lower yellow.
expect ALed4.on true
expect ALed20.on true
expect ALed22.on true
expect im19.picture AW1Z
expect im18.picture AW4MZ

# The seal bar covers the button: the click changes nothing.
click zwa
expect pag true
expect ALed4.on true

menu zwa1
expect zwa.enabled true
expect pzwa.visible false
click zwa
expect pag false
expect ua true
expect ALed4.on false
expect ALed20.on false
expect ALed21.on true
expect Panel55.visible false
expect im1.picture AW1Z
expect im2.picture AW1S
expect im6.picture AW4MB
expect im18.picture AW4MB
expect im19.picture AW1S
expect z1ab.enabled true

# The seal stays broken after use, until it is put back.
expect zwa.enabled true
expect pzwa.visible false
menu zwa2
expect zwa.enabled false
expect pzwa.visible true
