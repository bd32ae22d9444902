0[playlist]
File1=http://radio.example:8000/
Title1=Station One
Length1=-1

File1=http://two.example:8010/
Title1=Café Two
Length1=0

