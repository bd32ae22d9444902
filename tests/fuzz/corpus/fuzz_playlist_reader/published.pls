0[playlist]
NumberOfEntries=2
File1=http://a/
Title1=A
File2=http://b/
