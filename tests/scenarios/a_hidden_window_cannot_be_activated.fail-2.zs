activate AboutBox
