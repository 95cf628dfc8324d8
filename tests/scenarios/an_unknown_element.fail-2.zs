# A line that names no element of the desk cannot be run: status 2.
click START.st
click nosuchbutton
