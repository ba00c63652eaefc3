

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


(0001)                            || ; every directive and every kind of line
(0002)                            || 
(0003)                       064  || .EQU PORT = 0x40	; output port
(0004)                       1023  || .equ LAST = 1023
(0005)                       r17  || .DEF R_CNT = r17
(0006)                       r5   || .def R_TMP = R5
(0007)                       r9   || .DEF R_NINE = r9
(0008)                       r10  || .DEF R_TEN = r10
(0009)                       1024  || .EQU LIMIT = 1024
(0010)                            || .DSEG
(0011)                       016  || .ORG 0x10
(0012)  DS-0x010             004  || BUF:	.BYTE 4
(0013)  DS-0x014             003  || TABLE:	.DB 0x12, 0xA5, 300	; 300 keeps its low byte
(0014)  DS-0x017             001  || 	.db 7
(0015)                     0x000  || FLAGS:
(0016)                            || .CSEG
(0017)                       032  || .ORG 0x20
-------------------------------------------------------------------------------------------
-STUP-  CS-0x000  0x36012  0x012  ||              MOV     r0,0x12     ; write dseg data to reg
-STUP-  CS-0x001  0x3A014  0x014  ||              ST      r0,0x14     ; place reg data in mem 
-STUP-  CS-0x002  0x360A5  0x0A5  ||              MOV     r0,0xA5     ; write dseg data to reg
-STUP-  CS-0x003  0x3A015  0x015  ||              ST      r0,0x15     ; place reg data in mem 
-STUP-  CS-0x004  0x3602C  0x02C  ||              MOV     r0,0x2C     ; write dseg data to reg
-STUP-  CS-0x005  0x3A016  0x016  ||              ST      r0,0x16     ; place reg data in mem 
-STUP-  CS-0x006  0x36007  0x007  ||              MOV     r0,0x07     ; write dseg data to reg
-STUP-  CS-0x007  0x3A017  0x017  ||              ST      r0,0x17     ; place reg data in mem 
-STUP-  CS-0x008  0x360FF  0x0FF  ||              MOV     r0,0xFF     ; write dseg data to reg
-STUP-  CS-0x009  0x3A018  0x018  ||              ST      r0,0x18     ; place reg data in mem 
-STUP-  CS-0x00A  0x08100  0x020  ||              BRN     0x20        ; jump to start of .cseg in program mem 
-------------------------------------------------------------------------------------------
(0018)  CS-0x020  0x33140  0x020  || MAIN:	IN	R_CNT, PORT
(0019)  CS-0x021  0x0422A         || 	ld	r2, (R_TMP)
(0020)  CS-0x022  0x38314         || 	LD	r3, TABLE
(0021)                     0x023  || WAIT:
(0022)  CS-0x023  0x02218  0x023  || LOOP:	add	r2, r3
(0023)  CS-0x024  0x2D101         || 	SUB	R_CNT, 1
(0024)  CS-0x025  0x10500         || 	LSL	R_TMP
(0025)  CS-0x026  0x0811B         || 	BRNE	LOOP
(0026)  CS-0x027  0x3A210         || 	ST	r2, BUF
(0027)  CS-0x028  0x05E89         || 	MOV	r30, R_CNT
(0028)  CS-0x029  0x38418         || 	LD	r4, FLAGS
(0029)  CS-0x02A  0x08169         || 	CALL	DONE
(0030)  CS-0x02B  0x0BFF9         || 	BRCC	LAST
(0031)  CS-0x02C  0x08118         || 	BRN	WAIT
(0032)  CS-0x02D  0x18002  0x02D  || DONE:	RET
(0033)                            || .DSEG
(0034)  DS-0x018             001  || MORE:	.DB 0xFF





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
DONE           0x02D   (0032)  ||  0029 
FLAGS          0x018   (0015)  ||  0028 
LOOP           0x023   (0022)  ||  0025 
MAIN           0x020   (0018)  ||  
WAIT           0x023   (0021)  ||  0031 


-- Directives: .BYTE
------------------------------------------------------------ 
BUF            0x010   (0012)  ||  0026 


-- Directives: .EQU
------------------------------------------------------------ 
LAST           0x3FF   (0004)  ||  0030 
LIMIT          0x400   (0009)  ||  
PORT           0x040   (0003)  ||  0018 


-- Directives: .DEF
------------------------------------------------------------ 
R_CNT            r17   (0005)  ||  0018 0023 0027 
R_NINE           r9    (0007)  ||  
R_TEN            r10   (0008)  ||  
R_TMP            r5    (0006)  ||  0019 0024 


-- Directives: .DB
------------------------------------------------------------ 
MORE           0x018   (0034)  ||  
TABLE          0x014   (0013)  ||  0020 
