0[playlist]
File1=http://a/
File10="http://b/?id=7&fmt=mp3"
File2=http://c/
Length1=-1
Length10=
Length2=40000
NumberOfEntries=3
Title1=A
Title10=
Title2="Rock = Roll"
File1=http://d/
Title: D
