

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


(0001)  CS-0x000  0x08018         || BRN LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL
(0002)                     0x001  || LOOP:
(0003)  CS-0x001  0x02110         || ADD R1,R2 ; sum
(0004)  CS-0x002  0x18003  0x002  || LOOP: NOP
(0005)  CS-0x003  0x18003  0x003  || LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL: NOP
(0006)                            || ADD R1,R2 R3
            syntax error

(0007)                            || CALL 5,R1
            syntax error
            syntax error

(0008)                            || L: .ORG 5
            syntax error
            syntax error

(0009)  CS-0x004  0x32120         || READ: IN R1, 0X20
            syntax error
            syntax error

(0010)                            || BAD: ADD R1,
            syntax error

(0011)  CS-0x005  0x18003         || NOP
(0012)                            || BRN BAD
            **ERROR # 3:  line# (0012) => BRN label "BAD" has not been defined! 






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
LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL 0x003   (0005)  ||  0001 
LOOP           0x001   (0002)  ||  


-- Directives: .BYTE
------------------------------------------------------------ 
--> No ".BYTE" directives used


-- Directives: .EQU
------------------------------------------------------------ 
--> No ".EQU" directives used


-- Directives: .DEF
------------------------------------------------------------ 
--> No ".DEF" directives used


-- Directives: .DB
------------------------------------------------------------ 
--> No ".DB" directives used
