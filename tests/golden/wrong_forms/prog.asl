

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
(0002)                       r1   || .DEF R_A = R1
(0003)                            || IN
            **ERROR # 1:  line# (0003) => IN instruction requires two operands! 

(0004)                            || OUT (R1)
            **ERROR # 2:  line# (0004) => OUT instruction can't use indirect addressing! 

(0005)                            || IN R1
            **ERROR # 3:  line# (0005) => IN instruction requires second operand! 

(0006)                            || OUT 5
            **ERROR # 4:  line# (0006) => OUT instruction also requires register operand! 

(0007)                            || IN PORT
            **ERROR # 5:  line# (0007) => IN instruction also requires register operand! 

(0008)                            || OUT R1, R2
            **ERROR # 6:  line# (0008) => OUT instruction requires immediate value as second operand! 

(0009)                            || IN 5, R1
            **ERROR # 7:  line# (0009) => IN instruction may have operands swapped? 

(0010)                            || OUT PORT, R1
            **ERROR # 8:  line# (0010) => OUT instruction may have operands swapped? 

(0011)                            || IN R1 5
            **ERROR # 9:  line# (0011) => IN instruction may have missing comma? 

(0012)                            || OUT R1 PORT
            **ERROR #10:  line# (0012) => OUT instruction may have missing comma? 

(0013)                            || LSL (R1)
            **ERROR #11:  line# (0013) => LSL instruction can't use indirect addressing! 

(0014)                            || LSR R1, PORT
            **ERROR #12:  line# (0014) => LSR instruction uses only one register! 

(0015)                            || ROL R1, R2
            **ERROR #13:  line# (0015) => ROL instruction uses only one register! 

(0016)                            || ROR 5
            **ERROR #14:  line# (0016) => ROR instructions use register operand (not values)! 

(0017)                            || ASR
            **ERROR #15:  line# (0017) => ASR instruction requires one register operand! 

(0018)                            || PUSH
            **ERROR #16:  line# (0018) => PUSH instruction requires one register operand! 

(0019)                            || POP 5
            **ERROR #17:  line# (0019) => POP instructions use register operand (not values)! 

(0020)                            || WSP (R2)
            **ERROR #18:  line# (0020) => WSP instruction can't use indirect addressing! 

(0021)                            || RSP R1, R2
            **ERROR #19:  line# (0021) => RSP instruction uses only one register! 

(0022)                            || AND R1, (R2)
            **ERROR #20:  line# (0022) => AND instruction can't use indirect addressing! 

(0023)                            || OR (R1), (R2)
            **ERROR #21:  line# (0023) => OR instruction can't use indirect addressing! 

(0024)                            || EXOR (R1), R2
            **ERROR #22:  line# (0024) => EXOR instruction can't use indirect addressing! 

(0025)                            || TEST (R1)
            **ERROR #23:  line# (0025) => TEST instruction requires two register-type operands! 

(0026)                            || ADD R1
            **ERROR #24:  line# (0026) => ADD instruction requires two register-type operands! 

(0027)                            || ADDC R1 PORT
            **ERROR #25:  line# (0027) => ADDC instruction requires comma between operands! 

(0028)                            || SUB PORT R1
            **ERROR #26:  line# (0028) => SUB instruction requires comma between operands! 

(0029)                            || SUBC R1 5
            **ERROR #27:  line# (0029) => SUBC instruction requires comma between operands! 

(0030)                            || CMP 5 R1
            **ERROR #28:  line# (0030) => CMP instruction requires comma between operands! 

(0031)                            || MOV R1 R2
            **ERROR #29:  line# (0031) => MOV instruction requires comma between operands! 

(0032)                            || AND 5, R1
            **ERROR #30:  line# (0032) => AND instruction requires registers for both operands! 

(0033)                            || OR PORT
            **ERROR #31:  line# (0033) => OR instruction requires two operands! 

(0034)                            || LD R1 (R2)
            **ERROR #32:  line# (0034) => LD instruction is missing comma! 

(0035)                            || ST R1, R2
            **ERROR #33:  line# (0035) => ST instruction requires indirect addressess operand! 

(0036)                            || LD R1 R2
            **ERROR #34:  line# (0036) => LD second operand is missing parenthesis! 

(0037)                            || ST (R1)
            **ERROR #35:  line# (0037) => ST instruction requires two operands! 

(0038)                            || LD PORT (R1)
            **ERROR #36:  line# (0038) => LD instruction is missing comma! 

(0039)                            || ST (R1), R2
            **ERROR #37:  line# (0039) => ST instruction format is rx,(ry)! 

(0040)                            || LD R1
            **ERROR #38:  line# (0040) => LD instruction requires two operands! 

(0041)                            || BRN (R1)
            **ERROR #39:  line# (0041) => BRN tInstruction can't use indirect addressing! 

(0042)                            || CALL
            **ERROR #40:  line# (0042) => CALL Instruction requires one label-type operand! 

(0043)                            || BREQ R1
            **ERROR #41:  line# (0043) => BREQ Instruction requires one label-type operand! 

(0044)                            || BRNE R1, R2
            **ERROR #42:  line# (0044) => BRNE Instruction requires one label-type operand! 

(0045)                            || BRCS
            **ERROR #43:  line# (0045) => BRCS Instruction requires one label-type operand! 

(0046)                            || BRCC R5
            **ERROR #44:  line# (0046) => BRCC Instruction requires one label-type operand! 

(0047)                            || BRN 1025
            **ERROR #45:  line# (0047) => BRN value 1025 is out of range! 

(0048)                            || CLC 5
            **ERROR #46:  line# (0048) => CLC instruction has no operands! 

(0049)                            || SEC PORT
            **ERROR #47:  line# (0049) => SEC instruction has no operands! 

(0050)                            || RET R1
            **ERROR #48:  line# (0050) => RET instruction has no operands! 

(0051)                            || RETID (R1)
            **ERROR #49:  line# (0051) => RETID instruction has no operands! 

(0052)                            || RETIE 1
            **ERROR #50:  line# (0052) => RETIE instruction has no operands! 

(0053)                            || SEI X
            **ERROR #51:  line# (0053) => SEI instruction has no operands! 

(0054)                            || CLI R2
            **ERROR #52:  line# (0054) => CLI instruction has no operands! 

(0055)                            || NOP (R3)
            **ERROR #53:  line# (0055) => NOP instruction has no operands! 

(0056)                            || IN R1, NOWHERE
            **ERROR #54:  line# (0056) => IN label "NOWHERE" has not been defined! 

(0057)                            || OUT R_U, NOWHERE
            **ERROR #55:  line# (0057) => OUT label "R_U" has not been defined! 

(0058)                            || OUT R_A, NOWHERE
            **ERROR #56:  line# (0058) => OUT label "NOWHERE" has not been defined! 

(0059)                            || IN R_U, PORT
            **ERROR #57:  line# (0059) => IN label "R_U" has not been defined! 

(0060)                            || OUT R_U, 5
            **ERROR #58:  line# (0060) => OUT label "R_U" must be .DEF type! 

(0061)                            || ADD R1, NOWHERE
            **ERROR #59:  line# (0061) => ADD label "NOWHERE" has not been defined! 

(0062)                            || SUB R_U, NOWHERE
            **ERROR #60:  line# (0062) => SUB label "NOWHERE" has not been defined! 

(0063)                            || SUB R_U, PORT
            **ERROR #61:  line# (0063) => SUB label "R_U" has not been defined! 

(0064)                            || ADDC R_U, 5
            **ERROR #62:  line# (0064) => ADDC label "R_U" has not been defined! 

(0065)                            || LD R1, NOWHERE
            **ERROR #63:  line# (0065) => LD label "NOWHERE" has not been defined! 

(0066)                            || ST R_U, 5
            **ERROR #64:  line# (0066) => ST label "R_U" has not been defined! 

(0067)                            || LD R_U, NOWHERE
            **ERROR #65:  line# (0067) => LD label "NOWHERE" has not been defined! 

(0068)                            || ST R_U, PORT
            **ERROR #66:  line# (0068) => ST label "R_U" has not been defined! 

(0069)                            || PUSH R_U
            **ERROR #67:  line# (0069) => PUSH label "R_U" has not been defined! 

(0070)                            || CMP R1, R_U
            **ERROR #68:  line# (0070) => CMP label "R_U" has not been defined! 

(0071)                            || MOV R_U, R1
            **ERROR #69:  line# (0071) => MOV label "R_U" has not been defined! 

(0072)                            || TEST R_U, R_V
            **ERROR #70:  line# (0072) => TEST problems with label "R_U" and "R_V" ! 

(0073)                            || TEST R_A, R_V
            **ERROR #71:  line# (0073) => TEST problems with label "R_A" and "R_V" ! 

(0074)                            || LD R1, (R_U)
            **ERROR #72:  line# (0074) => LD label "R_U" has not been defined! 

(0075)                            || ST R_U, (R1)
            **ERROR #73:  line# (0075) => ST label "R_U" has not been defined! 

(0076)                            || LD R_U, (R_V)
            **ERROR #74:  line# (0076) => LD label "R_V" has not been defined! 

(0077)                            || LD R_U, (R_A)
            **ERROR #75:  line# (0077) => LD label "R_U" has not been defined! 

(0078)                            || ST R_A, (R_V)
            **ERROR #76:  line# (0078) => ST label "R_V" has not been defined! 

(0079)                            || CALL NOWHERE
            **ERROR #77:  line# (0079) => CALL label "NOWHERE" has not been defined! 






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
--> No ".BYTE" directives used


-- Directives: .EQU
------------------------------------------------------------ 
PORT           0x040   (0001)  ||  


-- Directives: .DEF
------------------------------------------------------------ 
R_A              r1    (0002)  ||  


-- Directives: .DB
------------------------------------------------------------ 
--> No ".DB" directives used
