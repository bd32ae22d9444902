0[playlist]
numberofentries=1
File1=http://lf.example:8000
Title1=LF only
Length1=-1
Version=2
