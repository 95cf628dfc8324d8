# The program starts with the start window active and its clock running; the
# desk, the About window and the description window are created hidden.
expect active START
expect START.visible true
expect PUL.visible false
expect AboutBox.visible false
expect op.visible false
expect START.Timer2.enabled true
expect START.st.caption "Chętnie popracuję"
expect START.ExplorerButton1.caption "Nie chce mi się."
expect START.Label6.caption "Wersja : 3.00"
expect START.Label3D1.caption "WITAM  NA  STACJI  \" ZORMIA\""
expect messages 0
expect message ""

# "Chętnie popracuję" shows the desk and makes it the active window: the start
# window's clock stops.
click START.st
expect PUL.visible true
expect active PUL
expect START.Timer2.enabled false
wait 5000
expect START.Timer2.enabled false

# Back on the start window the clock runs again; a second press brings the same
# desk to the front.
activate START
expect START.Timer2.enabled true
click START.st
expect active PUL
expect START.Timer2.enabled false

# Switching to another application and back fires nothing.
leave
expect active PUL
return
expect active PUL
expect START.Timer2.enabled false

# Closing the desk only hides it; the start window takes the focus back.
close PUL
expect PUL.visible false
expect active START
expect START.Timer2.enabled true
click START.st
expect PUL.visible true
