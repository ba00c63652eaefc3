

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


-------------------------------------------------------------------------------------------
-STUP-  CS-0x000  0x36001  0x001  ||              MOV     r0,0x01     ; write dseg data to reg
-STUP-  CS-0x001  0x3A012  0x012  ||              ST      r0,0x12     ; place reg data in mem 
-STUP-  CS-0x002  0x36002  0x002  ||              MOV     r0,0x02     ; write dseg data to reg
-STUP-  CS-0x003  0x3A013  0x013  ||              ST      r0,0x13     ; place reg data in mem 
-STUP-  CS-0x004  0x360FF  0x0FF  ||              MOV     r0,0xFF     ; write dseg data to reg
-STUP-  CS-0x005  0x3A014  0x014  ||              ST      r0,0x14     ; place reg data in mem 
-STUP-  CS-0x006  0x36004  0x004  ||              MOV     r0,0x04     ; write dseg data to reg
-STUP-  CS-0x007  0x3A015  0x015  ||              ST      r0,0x15     ; place reg data in mem 
-STUP-  CS-0x008  0x36005  0x005  ||              MOV     r0,0x05     ; write dseg data to reg
-STUP-  CS-0x009  0x3A017  0x017  ||              ST      r0,0x17     ; place reg data in mem 
-STUP-  CS-0x00A  0x36006  0x006  ||              MOV     r0,0x06     ; write dseg data to reg
-STUP-  CS-0x00B  0x3A018  0x018  ||              ST      r0,0x18     ; place reg data in mem 
-STUP-  CS-0x00C  0x36009  0x009  ||              MOV     r0,0x09     ; write dseg data to reg
-STUP-  CS-0x00D  0x3A0FF  0x0FF  ||              ST      r0,0xFF     ; place reg data in mem 
-------------------------------------------------------------------------------------------
(0001)                            || .DSEG
(0002)                       016  || .ORG 0x10
(0003)  DS-0x010             002  || X: .BYTE 2
(0004)  DS-0x012             003  || A: .DB 1,2,0x1FF
(0005)  DS-0x015             001  || .DB 4
(0006)  DS-0x016             001  || B: .BYTE 1
(0007)                       250  || .ORG 250
(0008)  DS-0x0FA             006  || .BYTE 6
(0009)                       250  || .ORG 250
(0010)  DS-0x0FA             007  || .BYTE 7
(0011)  DS-0x0FA             001  || E: .BYTE 1
(0012)                       255  || .ORG 255
(0013)  DS-0x0FF             001  || .DB 7
(0014)                       255  || .ORG 255
(0015)  DS-0x0FF             002  || .DB 7,8
            **ERROR # 3:  line# (0015) => .DB directive attempt to exceed data segment size of: 256 

(0016)  DS-0x0FF             001  || M: .DB 9
(0017)                       010  || .ORG 10
(0018)  DS-0x00A             7FFFFFFF  || .BYTE 2147483647
(0019)  DS-0x00A             001  || N: .BYTE 1
(0020)                       023  || .ORG 0x17
(0021)                            || .DB 1,2,
            syntax error

(0022)  DS-0x017             001  || .DB 5
(0023)                            || .DB 1,X
            syntax error

(0024)  DS-0x018             001  || L: .DB 6





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
--> No labels used


-- Directives: .BYTE
------------------------------------------------------------ 
B              0x016   (0006)  ||  
E              0x0FA   (0011)  ||  
N              0x00A   (0019)  ||  
X              0x010   (0003)  ||  


-- Directives: .EQU
------------------------------------------------------------ 
--> No ".EQU" directives used


-- Directives: .DEF
------------------------------------------------------------ 
--> No ".DEF" directives used


-- Directives: .DB
------------------------------------------------------------ 
A              0x012   (0004)  ||  
L              0x018   (0024)  ||  
M              0x0FF   (0016)  ||  
