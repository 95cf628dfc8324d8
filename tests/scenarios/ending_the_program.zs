# "Nie chce mi się." ends the program; the lines after it are never run.
click START.st
click START.ExplorerButton1
this line is never run
