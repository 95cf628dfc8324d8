# A counted button used on the desk; "Nie chce mi się." on the start window ends
# the program. The click on the start window first made it the active window, so
# the desk had already saved its counters.
click START.st
expect lia.value 0
click psza
expect sza 1
expect lia.value 1
click START.ExplorerButton1
#--- restart
# The next run shows the counts of the previous one once the desk is active.
expect sza 0
click START.st
expect sza 1
expect lia.value 1
expect messages 0
