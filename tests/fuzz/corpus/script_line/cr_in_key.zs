expect epo:utn +
expect 	 message 	 "a  b"
