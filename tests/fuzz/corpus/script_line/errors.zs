jump psa
wait -1
wait 12a
click psa 3
expect pa
expect x "unterminated
expect x 1-2
leave now
