

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


(0001)                            || ;============================================================================================================================================================================================================================================================================================================
(0002)  CS-0x000  0x18003  0x000  || start:  NOP ; xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx
(0003)                            ||         ADD R1, R40 ; ------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------------
            **ERROR # 1:  line# (0003) => Second register must be in range [0,31] 

(0004)                            ||         ADD R_OuterLoopCounterOuterLoopCounterOuterLoopCounterOuterLoopCounterOuterLoopCounterOuterLoopCounterOuterLoopCounter, R_InnerLoopCounterInnerLoopCounterInnerLoopCounterInnerLoopCounterInnerLoopCounterInnerLoopCounterInnerLoopCounter
            **ERROR # 2:  line# (0004) => ADD problems with label "R_OUTERLOOPCOUNTEROUTERLOOPCOUNTEROUTERLOOPCOUNTEROUTERLOOPCOUNTEROUTERLOOPCOUNTEROUTERLOOPCOUNTEROUTERLOOPCOUNTER" and "R_INNERLOOPCOUNTERINNERLOOPCOUNTERINNERLOOPCOUNTERINNERLOOPCOUNTERINNERLOOPCOUNTERINNERLOOPCOUNTERINNERLOOPCOUNTER" ! 

(0005)  CS-0x003  0x08000         ||         BRN start





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
START          0x000   (0002)  ||  0005 


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
