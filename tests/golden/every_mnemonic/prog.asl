

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


(0001)                            || ; Every mnemonic in every format, its word in binary field by field: major opcode,
(0002)                            || ; then rX, rY or value, 0 and minor opcode; or the address (0x2AB) and minor opcode.
(0003)                       r17  || .DEF R_X = r17
(0004)                       r30  || .DEF R_Y = r30
(0005)                       165  || .EQU VAL = 0xA5
(0006)                       683  || .EQU FAR = 0x2AB
(0007)  CS-0x000  0x011F0         || AND r17, r30        ; 00000 10001 11110 0 00
(0008)  CS-0x001  0x011F1         || OR r17, r30         ; 00000 10001 11110 0 01
(0009)  CS-0x002  0x011F2         || EXOR r17, r30       ; 00000 10001 11110 0 10
(0010)  CS-0x003  0x011F3         || TEST r17, r30       ; 00000 10001 11110 0 11
(0011)  CS-0x004  0x031F0         || ADD r17, r30        ; 00001 10001 11110 0 00
(0012)  CS-0x005  0x031F1         || ADDC r17, r30       ; 00001 10001 11110 0 01
(0013)  CS-0x006  0x031F2         || SUB r17, r30        ; 00001 10001 11110 0 10
(0014)  CS-0x007  0x031F3         || SUBC r17, r30       ; 00001 10001 11110 0 11
(0015)  CS-0x008  0x051F0         || CMP r17, r30        ; 00010 10001 11110 0 00
(0016)  CS-0x009  0x051F1         || MOV R_X, R_Y        ; 00010 10001 11110 0 01
(0017)  CS-0x00A  0x051F2         || LD r17, (r30)       ; 00010 10001 11110 0 10
(0018)  CS-0x00B  0x051F3         || ST R_X, (R_Y)       ; 00010 10001 11110 0 11
(0019)  CS-0x00C  0x211A5         || AND r17, 0xA5       ; 10000 10001 10100101
(0020)  CS-0x00D  0x231A5         || OR r17, 0xA5        ; 10001 10001 10100101
(0021)  CS-0x00E  0x251A5         || EXOR r17, 0xA5      ; 10010 10001 10100101
(0022)  CS-0x00F  0x271A5         || TEST r17, 0xA5      ; 10011 10001 10100101
(0023)  CS-0x010  0x291A5         || ADD r17, 0xA5       ; 10100 10001 10100101
(0024)  CS-0x011  0x2B1A5         || ADDC r17, 0xA5      ; 10101 10001 10100101
(0025)  CS-0x012  0x2D1A5         || SUB r17, 0xA5       ; 10110 10001 10100101
(0026)  CS-0x013  0x2F1A5         || SUBC r17, 0xA5      ; 10111 10001 10100101
(0027)  CS-0x014  0x311A5         || CMP R_X, VAL        ; 11000 10001 10100101
(0028)  CS-0x015  0x331A5         || IN r17, 0xA5        ; 11001 10001 10100101
(0029)  CS-0x016  0x351A5         || OUT R_X, VAL        ; 11010 10001 10100101
(0030)  CS-0x017  0x371A5         || MOV r17, 0xA5       ; 11011 10001 10100101
(0031)  CS-0x018  0x391A5         || LD r17, 0xA5        ; 11100 10001 10100101
(0032)  CS-0x019  0x3B1A5         || ST R_X, VAL         ; 11101 10001 10100101
(0033)  CS-0x01A  0x09558         || BRN 0x2AB           ; 00100 1010101011 0 00
(0034)  CS-0x01B  0x09559         || CALL FAR            ; 00100 1010101011 0 01
(0035)  CS-0x01C  0x0955A         || BREQ TARGET         ; 00100 1010101011 0 10
(0036)  CS-0x01D  0x0955B         || BRNE 0x2AB          ; 00100 1010101011 0 11
(0037)  CS-0x01E  0x0B558         || BRCS 0x2AB          ; 00101 1010101011 0 00
(0038)  CS-0x01F  0x0B559         || BRCC 0x2AB          ; 00101 1010101011 0 01
(0039)  CS-0x020  0x11100         || LSL r17             ; 01000 10001 00000 0 00
(0040)  CS-0x021  0x11101         || LSR r17             ; 01000 10001 00000 0 01
(0041)  CS-0x022  0x11102         || ROL r17             ; 01000 10001 00000 0 10
(0042)  CS-0x023  0x11103         || ROR r17             ; 01000 10001 00000 0 11
(0043)  CS-0x024  0x13100         || ASR r17             ; 01001 10001 00000 0 00
(0044)  CS-0x025  0x13101         || PUSH R_X            ; 01001 10001 00000 0 01
(0045)  CS-0x026  0x13102         || POP r17             ; 01001 10001 00000 0 10
(0046)  CS-0x027  0x15100         || WSP r17             ; 01010 10001 00000 0 00
(0047)  CS-0x028  0x15101         || RSP r17             ; 01010 10001 00000 0 01
(0048)  CS-0x029  0x18000         || CLC                 ; 01100 00000 00000 0 00
(0049)  CS-0x02A  0x18001         || SEC                 ; 01100 00000 00000 0 01
(0050)  CS-0x02B  0x18002         || RET                 ; 01100 00000 00000 0 10
(0051)  CS-0x02C  0x18003         || NOP                 ; 01100 00000 00000 0 11
(0052)  CS-0x02D  0x1A000         || SEI                 ; 01101 00000 00000 0 00
(0053)  CS-0x02E  0x1A001         || CLI                 ; 01101 00000 00000 0 01
(0054)  CS-0x02F  0x1A002         || RETID               ; 01101 00000 00000 0 10
(0055)  CS-0x030  0x1A003         || RETIE               ; 01101 00000 00000 0 11
(0056)                       683  || .ORG 0x2AB
(0057)  CS-0x2AB  0x18003  0x2AB  || TARGET: NOP





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
TARGET         0x2AB   (0057)  ||  0035 


-- Directives: .BYTE
------------------------------------------------------------ 
--> No ".BYTE" directives used


-- Directives: .EQU
------------------------------------------------------------ 
FAR            0x2AB   (0006)  ||  0034 
VAL            0x0A5   (0005)  ||  0027 0029 0032 


-- Directives: .DEF
------------------------------------------------------------ 
R_X              r17   (0003)  ||  0016 0018 0027 0029 0032 0044 
R_Y              r30   (0004)  ||  0016 0018 


-- Directives: .DB
------------------------------------------------------------ 
--> No ".DB" directives used
