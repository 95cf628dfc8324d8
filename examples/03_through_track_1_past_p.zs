# Exercise 3: a train from Stacja C received on track 1, then sent on past P.
#
# The route from H into track 1 is set with both points plus. Signal P at the
# far end of track 1 shows stop, so H announces it with its upper yellow lamp
# and the train stops on track 1. The trainee then clears P with its button
# "P" at the left edge of the desk: the train leaves past P, P goes back to stop
# behind it and track 1 shows free.
#
# Times in the comments count from the click on the train arrow of H.

click START.st                  # "Chętnie popracuję"

# 1. Both points lie plus, as at start-up; P is at stop (its lamp on the left
#    end of track 1 is dark).
expect pos1ab true
expect pos1cd true
expect ALed29.on false

# 2. The signal button "H" sets the route into track 1: H shows upper yellow
#    (P at stop ahead), the path lights yellow, the arrow of H appears.
click psh
expect phb true
expect ALed17.on true           # H's desk green lamp
expect ALed40.on true           # upper yellow of H
expect ALed53.on false          # no green: P shows stop
expect im8.picture AW1Z
expect im5.picture AW1Z
expect Panel63.visible true

# 3. Start the train with the arrow of H.
click PrzebiegiH

# 2 s: the train approaches on the line. 5 s: it passes H, which drops to stop.
wait 2000
expect im14.picture AW1C
wait 3000
expect im8.picture AW1C
expect ALed17.on false
expect ALed16.on true

# 15 s: the train in ITB; 17 s: on track 1; 19 s: the route is released.
wait 10000
expect im5.picture AW1C
wait 2000
expect im4.picture AW1C
wait 2000
expect uh true
expect z1ab.enabled true

# 20 s: with P at stop the train has stopped on track 1; the route has ended
#    and track 1 is occupied.
wait 1000
expect phb false
expect Timer3.enabled false
expect occIT1 true
expect im4.picture AW1C

# 4. Send the train on: "P". The P lamp lights and the departure past P runs on
#    its own timer.
click SemP
expect ALed29.on true
expect Timer4.enabled true

# 4 s after the press: the train has passed P, which is back at stop.
wait 4000
expect ALed29.on false
expect occIT1 false

# 10 s after the press: track 1 shows its rest look again.
wait 6000
expect im4.picture AW1Z

# The departure program ends on its own.
wait 4000
expect Timer4.enabled false

# Track 1 is free: a new route into it can be set from H.
click psh
expect phb true
expect ALed40.on true
