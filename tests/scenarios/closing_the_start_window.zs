# Closing the start window ends the program.
close START
expect active nothing-after-the-end
