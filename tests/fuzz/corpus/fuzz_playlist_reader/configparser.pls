0[playlist]
file1 = http://a/
title1 = Jazz
length1 = -1
file2 =  	http://b/ 
title2 = 
length2 = 2.5
numberofentries = 2
version = 2

