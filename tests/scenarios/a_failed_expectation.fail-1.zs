# An expectation that does not hold stops the script with status 1.
expect PUL.visible true
