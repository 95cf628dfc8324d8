# An unknown key cannot be checked.
expect noSuchKey true
