; errors
START: ADD R1, R40
       LD R1, R2
       BRN NOWHERE
       ADD R1,
       NOP
