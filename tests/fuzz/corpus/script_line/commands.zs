# every command
click START.st          # open the desk
click z1cd
click psa 3 4
rclick pwbla
menu Odwoanie1
menu zwa1
wait 5000
activate PUL
close AboutBox
leave
return
dump
dump ALed4.on pa time
expect pa true
expect ALed4.color "#FF0000"
expect message "Failed to get data for 'dkog'"
expect lia.value 12
expect active PUL
shot PUL desk.png
picture aw4mz tile.png
