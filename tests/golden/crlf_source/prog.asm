; CR-LF line ends
.DSEG
V: .DB 0x42 ; the byte
.CSEG
.ORG 2
START:
  LD R1, V
  ADD R1, R40 ; wrong register
  BRN START
