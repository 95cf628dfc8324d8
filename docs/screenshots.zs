# Makes the README's pictures. From the top of the source tree:
#     build/bin/zormia-script docs/screenshots.zs
shot START docs/start.png

# A departure toward Stacja B: the line granted by Stacja B, route D set, and a
# train from track 2 running through C into ITD (as in examples/01).
click START.st
click pwbla
click ppoz2
click psd
click psc
click PrzebiegC
wait 9000
expect im19.picture AW1C
shot PUL docs/desk-route.png
