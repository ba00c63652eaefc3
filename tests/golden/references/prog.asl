

List FileKey 
----------------------------------------------------------------------
C1      C2      C3      C4    || C5
--------------------------------------------------------------
C1:  Address (decimal) of instruction in source file. 
C2:  Segment (code or data) and address (in code or data segment) 
       of inforation associated with current linte. Note that not all
       source lines will contain information in this field.  
C3:  Opcode bits (this field only appears for valid instructions.
C4:  Data field; lists data for labels and assorted directives. 
C5:  Raw line from source code.
----------------------------------------------------------------------


(0001)                       064  || .EQU PORT = 0x40
(0002)                       r4   || .DEF R_X = R4
(0003)                       r9   || .DEF R_Y = R9
(0004)  CS-0x000  0x34440         || OUT R_X, PORT
(0005)  CS-0x001  0x02948         || ADD R_Y, R_Y
(0006)  CS-0x002  0x0444A         || LD R_X, (R_Y)
(0007)  CS-0x003  0x3A140         || ST R1, PORT
(0008)  CS-0x004  0x12901         || PUSH R_Y
(0009)  CS-0x005  0x08028  0x005  || TOP: BRN TOP
(0010)                            || IN R_X, NOWHERE
            **ERROR # 1:  line# (0010) => IN label "NOWHERE" has not been defined! 

(0011)                            || MOV R_Y, R_U
            **ERROR # 2:  line# (0011) => MOV problems with label "R_Y" and "R_U" ! 

(0012)  CS-0x008  0x08029         || CALL TOP





Symbol Table Key 
----------------------------------------------------------------------
C1             C2     C3      ||  C4+
-------------  ----   ----        -------
C1:  name of symbol
C2:  the value of symbol 
C3:  source code line number where symbol defined
C4+: source code line number of where symbol is referenced 
----------------------------------------------------------------------


-- Labels
------------------------------------------------------------ 
TOP            0x005   (0009)  ||  0009 0012 


-- Directives: .BYTE
------------------------------------------------------------ 
--> No ".BYTE" directives used


-- Directives: .EQU
------------------------------------------------------------ 
PORT           0x040   (0001)  ||  0004 0007 


-- Directives: .DEF
------------------------------------------------------------ 
R_X              r4    (0002)  ||  0004 0006 
R_Y              r9    (0003)  ||  0005 0005 0006 0008 


-- Directives: .DB
------------------------------------------------------------ 
--> No ".DB" directives used
