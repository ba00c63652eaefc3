.DSEG
A: .DB 1, 2, 3
.ORG 1
B: .BYTE 1   ; takes byte 1 back from A
.CSEG
.ORG 0x10
NOP
