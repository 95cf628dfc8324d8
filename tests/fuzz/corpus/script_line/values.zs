expect s "a\"b\\c\u00e9\ud83d\ude00\n\t"
expect n -9223372036854775808
expect n +12
expect w bare word # comment
wait 3153600000000
click x 2147483647 -2147483648
