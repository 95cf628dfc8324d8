# The desk's start-up look: every signal at stop, tracks 1, 2 and 3 yellow, the
# other sections unlit in the lighter shade, the points plus and white, every
# release button sealed, the counters at 0000.
click START.st
expect ALed6.on true
expect ALed8.on true
expect ALed11.on true
expect ALed15.on true
expect ALed1.on true
expect ALed16.on true
expect ALed21.on true
expect ALed26.on true
expect ALed31.on true
expect ALed36.on true
expect ALed41.on true
expect ALed46.on true
expect ALed4.on false
expect ALed29.on false
expect ALed44.on false
expect ALed44.blink true
expect ALed44.color "#FFFF00"
expect ALed5.blink true
expect im1.picture AW1Z
expect im4.picture AW1Z
expect im15.picture AW1Z
expect im3.picture AW7S
expect im6.picture AW4PB
expect im7.picture AW3PB
expect im18.picture AW4PB
expect im25.picture AW1S
expect im25.startup true
expect z1ab.caption "+"
expect z1cd.caption "+"
expect z1ab.enabled true
expect zwa.enabled false
expect pzwa.visible true
expect zwh.enabled false
expect pzwh.visible true
expect Panel55.visible false
expect Panel64.visible false
expect jszd.visible false
expect symulator.visible false
expect lia.value 0
expect ldkoy.value 0
expect Label3D12.caption "OBRAZY SEMAFORÓW W TERENIE"
expect Label2.caption "Symulacja zajętości"
expect BitBtn1.caption "UKRYJ"
expect Timer1.enabled false
expect Timer8.enabled false
expect pos1ab true
expect ua true
expect pa false
expect arrivalState 0
