

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


(0001)                            || ; Ctrl-Z (0x1A) is an ordinary byte:  in a comment, and the lines after it count
(0002)                            || .DSEG
(0003)  DS-0x000             001  || COUNT:  .DB 0x1A        ;  as a byte of a comment, 0x1A as a value
(0004)                            || .CSEG
(0005)                       016  || .ORG 0x10
-------------------------------------------------------------------------------------------
-STUP-  CS-0x000  0x3601A  0x01A  ||              MOV     r0,0x1A     ; write dseg data to reg
-STUP-  CS-0x001  0x3A000  0x000  ||              ST      r0,0x00     ; place reg data in mem 
-STUP-  CS-0x002  0x08080  0x010  ||              BRN     0x10        ; jump to start of .cseg in program mem 
-------------------------------------------------------------------------------------------
(0006)  CS-0x010  0x38100  0x010  || START:  LD   R1, COUNT  ; 
(0007)  CS-0x011  0x2C101  0x011  || LOOP:   SUB  R1, 1
(0008)  CS-0x012  0x34140         ||         OUT  R1, 0x40   ;
(0009)  CS-0x013  0x0808B         ||         BRNE LOOP
(0010)  CS-0x014  0x08080         ||         BRN  START      ; the last line, after every 





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
LOOP           0x011   (0007)  ||  0009 
START          0x010   (0006)  ||  0010 


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
COUNT          0x000   (0003)  ||  0006 
