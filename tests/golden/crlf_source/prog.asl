

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


(0001)                            || ; CR-LF line ends
(0002)                            || .DSEG
(0003)  DS-0x000             001  || V: .DB 0x42 ; the byte
(0004)                            || .CSEG
(0005)                       002  || .ORG 2
(0006)                     0x002  || START:
-------------------------------------------------------------------------------------------
-STUP-  CS-0x000  0x36042  0x042  ||              MOV     r0,0x42     ; write dseg data to reg
-STUP-  CS-0x001  0x3A000  0x000  ||              ST      r0,0x00     ; place reg data in mem 
-------------------------------------------------------------------------------------------
(0007)  CS-0x002  0x38100         ||   LD R1, V
(0008)                            ||   ADD R1, R40 ; wrong register
            **ERROR # 1:  line# (0008) => Second register must be in range [0,31] 

(0009)  CS-0x004  0x08010         ||   BRN START





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
START          0x002   (0006)  ||  0009 


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
V              0x000   (0003)  ||  0007 
