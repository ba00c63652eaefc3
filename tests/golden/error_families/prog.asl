

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


(0001)                            || ; one error of each family
(0002)                       2000  || .EQU SIZE = 2000
            **ERROR # 6:  line# (0002) => .EQU value must be in range: [0,1024] 

(0003)                       r32  || .DEF R_BAD = R32
            **ERROR # 7:  line# (0003) => Register must be in range [0,31] 

(0004)                       005  || .EQU SIZE = 5
(0005)                            || .DSEG
(0006)                       300  || .ORG 300
            **ERROR # 8:  line# (0006) => Data segment range: [0,255] 

(0007)  DS-0x000             000  || BUF: .BYTE 0
            **ERROR # 9:  line# (0007) => .BYTE directive must specify non-zero value) 

(0008)  DS-0x000             12C  || BIG: .BYTE 300
(0009)  DS-0x000             002  || VALS: .DB 1, 2
(0010)                            || .CSEG 1
            **ERROR #10:  line# (0010) => CSEG directive must not have arguments! 

(0011)                            || .CSEG
(0012)                       016  || .ORG 0x10
-------------------------------------------------------------------------------------------
-STUP-  CS-0x000  0x36001  0x001  ||              MOV     r0,0x01     ; write dseg data to reg
-STUP-  CS-0x001  0x3A000  0x000  ||              ST      r0,0x00     ; place reg data in mem 
-STUP-  CS-0x002  0x36002  0x002  ||              MOV     r0,0x02     ; write dseg data to reg
-STUP-  CS-0x003  0x3A001  0x001  ||              ST      r0,0x01     ; place reg data in mem 
-STUP-  CS-0x004  0x08080  0x010  ||              BRN     0x10        ; jump to start of .cseg in program mem 
-------------------------------------------------------------------------------------------
(0013)  CS-0x010  0x18003  0x010  || THIS_LABEL_IS_LONGER_THAN_32_CHARS: NOP
(0014)                            || VALS: MOV R1, 0x1FF
            **ERROR #11:  line# (0014) => Register value greate than 255 (truncation occurs) 

(0015)                            ||      ADD R40, R33 ; %s%n is text
            **ERROR #12:  line# (0015) => First register must be in range [0,31] 
            **ERROR #13:  line# (0015) => Second register must be in range [0,31] 

(0016)                            ||      LSL R_BAD
            **ERROR #14:  line# (0016) => Register must be in range [0,31] 

(0017)                            ||      IN R1, R2
            **ERROR #15:  line# (0017) => IN instruction requires immediate value as second operand! 

(0018)                            ||      BRN NOWHERE
            **ERROR #16:  line# (0018) => BRN label "NOWHERE" has not been defined! 

(0019)                            ||      BRN 1025
            **ERROR #17:  line# (0019) => BRN value 1025 is out of range! 

(0020)                            ||      LD R1, (R2) R3
            syntax error

(0021)                            ||      ADD R1,
            syntax error

(0022)  CS-0x017  0x18003         ||      NOP
(0023)                            || .DSEG
(0024)                            ||      RET
            **ERROR #18:  line# (0024) => Instructions must be specified in code segment 






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
THIS_LABEL_IS_LONGER_THAN_32_CHARS 0x010   (0013)  ||  


-- Directives: .BYTE
------------------------------------------------------------ 
BIG            0x000   (0008)  ||  
BUF            0x000   (0007)  ||  


-- Directives: .EQU
------------------------------------------------------------ 
SIZE           0x7D0   (0002)  ||  


-- Directives: .DEF
------------------------------------------------------------ 
R_BAD            r32   (0003)  ||  0016 


-- Directives: .DB
------------------------------------------------------------ 
VALS           0x000   (0009)  ||  
