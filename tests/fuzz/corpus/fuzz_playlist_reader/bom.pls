[playlist]
File1=http://bom.example
