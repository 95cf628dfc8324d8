# A right click on Wbl opens its popup menu; "Odwołanie" only closes it.
click START.st
rclick ppoz1
expect PopupMenu1.open false
rclick pwbla
expect PopupMenu1.open true
expect wblOut false
menu Odwoanie1
expect PopupMenu1.open false
expect wblOut false
expect ALed44.on false
expect ALed51.on false

# The menu closes when the program loses the focus to another application, when
# another window is clicked and when the desk is closed.
rclick pwbla
leave
expect PopupMenu1.open false
return
rclick pwbla
activate START
expect PopupMenu1.open false
click START.st
rclick pwbla
close PUL
expect PopupMenu1.open false
expect PUL.visible false
expect active START

# The entries of both menus are elements of the desk with their own captions.
expect Odwoanie1.caption "Odwołanie"
expect Odwoanie1.enabled true
expect Zaoenieplomb1.caption "Założenie plomb"
expect Symulator1.visible true
expect zwh2.caption zwh
