# The occupancy simulator: a section marked occupied by hand. A train marked in
# ITD lets the substitute signal of D offer its departure arrow; a section marked
# under a set route drops the route's signal and takes its train arrow away.
click START.st
menu Symulator1
expect symulator.visible true
click sitd
expect sitd.down true
expect occITD true
expect im19.picture AW1C
expect im22.picture AW1C
click pszd
expect szOnD true
expect jszd.visible true

# Hiding the panel keeps its buttons' state.
click BitBtn1
expect symulator.visible false
menu Symulator1
expect sitd.down true
click sitd
expect sitd.down false
expect occITD false
expect im19.picture AW1S
expect jszd.visible true

# The time-out of Timer2 puts SzD out and takes the arrow away.
wait 10000
expect szOnD false
expect ALed13.on false
expect jszd.visible false

# Route pa from A over ITH; ITH marked occupied drops A and hides its arrow.
click z1cd
click psa
expect ALed4.on true
expect Panel55.visible true
click sith
expect sith.down true
expect occITH true
expect im8.picture AW1C
expect ALed4.on false
expect ALed6.on true
expect ALed21.on true
expect Panel55.visible false
expect pa true
expect ua false

# Released, ITH shows the route colour again; A stays at stop.
click sith
expect occITH false
expect im8.picture AW1Z
expect ALed4.on false
expect pa true
