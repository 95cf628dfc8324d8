# The substitute signals of A and H share Timer1: each press that lights one
# flashes its white pair on the desk and in the field panel and counts one use;
# the whole group goes dark 15 ticks after the last press.
click START.st
expect lia.value 0
click psza
expect szOnA true
expect sza 1
expect lia.value 1
expect ALed5.on true
expect ALed5.blink true
expect ALed23.on true
expect ALed23.blink true
expect Timer1.enabled true

# SzH joins at 10 s: Timer1 keeps its phase and counts 15 ticks from this press.
wait 10000
click pszh
expect szh 1
expect lih.value 1
wait 14999
expect ALed5.on true
expect ALed18.on true
expect ALed43.on true
wait 1
expect szOnA false
expect szOnH false
expect ALed5.on false
expect ALed23.on false
expect ALed18.on false
expect ALed43.on false
expect Timer1.enabled false
expect step1 0

# Switching SzA on counts; putting it out by hand does not, but shows the count.
click psza
click psza
expect sza 2
expect lia.value 2
expect ALed5.on false
expect Timer1.enabled true
