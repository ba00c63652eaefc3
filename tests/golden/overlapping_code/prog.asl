

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


(0001)                       004  || .ORG 4
-------------------------------------------------------------------------------------------
-STUP-  CS-0x000  0x08020  0x004  ||              BRN     0x04        ; jump to start of .cseg in program mem 
-------------------------------------------------------------------------------------------
(0002)  CS-0x004  0x18003  0x004  || A: NOP
(0003)  CS-0x005  0x18003         ||    NOP
(0004)                       005  || .ORG 5
(0005)                            || B: ADD R1, R2
            **ERROR # 1:  line# (0005) => Overlapping code at address 0x005 

(0006)  CS-0x006  0x08020         ||    BRN A
(0007)                       008  || .ORG 8
(0008)                            ||    NOP 5
            **ERROR # 2:  line# (0008) => NOP instruction has no operands! 

(0009)                       008  || .ORG 8
(0010)                            ||    CLC
            **ERROR # 3:  line# (0010) => Overlapping code at address 0x008 






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
A              0x004   (0002)  ||  0006 
B              0x005   (0005)  ||  


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
