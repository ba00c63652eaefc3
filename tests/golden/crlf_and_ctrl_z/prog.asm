; Ctrl-Z (0x1A) is an ordinary byte:  in a comment, and the lines after it count
.DSEG
COUNT:  .DB 0x1A        ;  as a byte of a comment, 0x1A as a value
.CSEG
.ORG 0x10
START:  LD   R1, COUNT  ; 
LOOP:   SUB  R1, 1
        OUT  R1, 0x40   ;
        BRNE LOOP
        BRN  START      ; the last line, after every 
