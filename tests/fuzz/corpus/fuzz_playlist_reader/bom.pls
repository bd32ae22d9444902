0﻿[playlist]
File1=http://bom.example
