# Closing a window from its title bar is a click on that window: it becomes the
# active window first, so the desk, deactivated by it, saves its counters.
click START.st
menu INFO1
activate PUL
click psza
expect sza 1
# The About window is shown behind the desk: closing it deactivates the desk
# (a save), then hides it, and the desk is the active window again.
close AboutBox
expect AboutBox.visible false
expect active PUL
#--- restart
click START.st
expect sza 1
click pszb
expect szb 1
# The start window closed while the desk was active: the program ends, the desk
# having saved its counters on the way.
close START
#--- restart
click START.st
expect lib.value 1
expect lia.value 1
