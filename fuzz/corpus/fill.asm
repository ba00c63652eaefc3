; fill.asm -- many small routines that together fill program memory.
; Written by make_fill.py; each routine is called from the main loop.

.EQU PORT_A = 0x01
.EQU PORT_B = 0x02
.EQU PORT_C = 0x04
.EQU STATUS = 0x80

.DEF R_ACC = R1
.DEF R_HI  = R2
.DEF R_LO  = R3
.DEF R_CNT = R4

.DSEG
sum_lo: .BYTE 1
sum_hi: .BYTE 1
ticks:  .BYTE 1
buffer: .BYTE 16

.CSEG
reset:  MOV     r31, 0xFF               ; top of the stack
        WSP     r31
        MOV     R_ACC, 0
        ST      R_ACC, sum_lo
        ST      R_ACC, sum_hi
        ST      R_ACC, ticks
main_loop:
        SEI
        CALL    task00
        CALL    task01
        CALL    task02
        CALL    task03
        CALL    task04
        CALL    task05
        CALL    task06
        CALL    task07
        CALL    task08
        CALL    task09
        CALL    task10
        CALL    task11
        CALL    task12
        CALL    task13
        CALL    task14
        CALL    task15
        CALL    task16
        CALL    task17
        CALL    task18
        CALL    task19
        CALL    task20
        CALL    task21
        CALL    task22
        CALL    task23
        CALL    task24
        CALL    task25
        CALL    task26
        CALL    task27
        CALL    task28
        CALL    task29
        CALL    task30
        CALL    task31
        CALL    task32
        CALL    task33
        CALL    task34
        CALL    task35
        CALL    task36
        CALL    task37
        CALL    task38
        CALL    task39
        CALL    task40
        CALL    task41
        CALL    task42
        CALL    task43
        CALL    task44
        CALL    task45
        CALL    task46
        CALL    task47
        CALL    task48
        CALL    task49
        CALL    task50
        CALL    task51
        CALL    task52
        CALL    task53
        CALL    task54
        CALL    task55
        CALL    task56
        CALL    task57
        CALL    task58
        CALL    task59
        BRN     main_loop

; task00: 16-bit add and subtract with carry, saturating on overflow.
task00: LD      R_LO, sum_lo            ; low byte of the running sum
        LD      R_HI, sum_hi
        IN      r12, PORT_B             ; sample to add
        ADD     R_LO, r12
        ADDC    R_HI, 0                 ; carry into the high byte
        BRCC    t00_keep                ; no overflow
        MOV     R_HI, 0xFF              ; saturate
        MOV     R_LO, 0xFF
t00_keep:
        CMP     R_HI, 0xE6
        BRCS    t00_store               ; below the limit
        SUB     R_LO, 64                ; pull back towards the limit
        SUBC    R_HI, 0
        MOV     r10, R_HI
        OUT     r10, PORT_C
t00_store:
        ST      R_LO, sum_lo
        ST      R_HI, sum_hi
        RET

; task01: counts the set bits of a port sample, then scrambles the sample.
task01: IN      r25, PORT_C
        MOV     R_CNT, 0                ; bit count
        MOV     r30, 8                  ; bits left
t01_bit:
        CLC
        LSR     r25                     ; next bit into carry
        BRCC    t01_zero
        ADD     R_CNT, 1
t01_zero:
        SUB     r30, 1
        BRNE    t01_bit
        MOV     r25, R_CNT
        SEC
        ROL     r25
        ROR     r25
        ASR     r25
        LSL     r25
        OR      r25, 0x40
        OUT     r25, STATUS
        RET

; task02: moves a block of the buffer down by one byte, keeping the working registers.
task02: PUSH    R_ACC
        PUSH    r18
        MOV     R_LO, buffer            ; source
        MOV     R_HI, buffer            ; destination
        ADD     R_LO, 1
        MOV     R_CNT, 10
t02_move:
        LD      r18, (R_LO)
        ST      r18, (R_HI)
        ADD     R_LO, 1
        ADD     R_HI, 1
        SUB     R_CNT, 1
        BRNE    t02_move
        LD      R_ACC, (r7)
        ST      R_ACC, 0xD2
        MOV     r28, R_ACC
        POP     r18
        POP     R_ACC
        RET

; task03: waits for a status bit with a time-out, then copies one port to another.
task03: MOV     R_CNT, 89               ; time-out
t03_wait:
        IN      R_ACC, STATUS
        TEST    R_ACC, 0x01
        BRNE    t03_ready
        SUB     R_CNT, 1
        BRNE    t03_wait
        MOV     R_ACC, 0xEE             ; time-out code
        OUT     R_ACC, STATUS
        BRN     t03_done
t03_ready:
        IN      r15, PORT_B
        AND     r15, 0xB2
        EXOR    r15, R_ACC
        OUT     r15, STATUS
t03_done:
        NOP
        RET

; task04: saves the stack pointer, runs a short compare chain, restores it.
task04: CLI                             ; no interrupts while the stack moves
        RSP     r30
        MOV     r8, r30
        CMP     r8, r14
        BREQ    t04_same
        BRCS    t04_less
        MOV     r14, r8
        BRN     t04_same
t04_less:
        ADD     r14, r8
        TEST    r8, r14
t04_same:
        WSP     r30
        SEI
        RET

; task05: tick handler: acknowledges, counts, returns with interrupts enabled or disabled.
task05: PUSH    R_ACC
        IN      R_ACC, STATUS
        OUT     R_ACC, STATUS           ; acknowledge
        LD      R_ACC, ticks
        ADD     R_ACC, 1
        ST      R_ACC, ticks
        CMP     R_ACC, 123
        BRCC    t05_stop                ; enough ticks
        POP     R_ACC
        RETIE
t05_stop:
        POP     R_ACC
        RETID

; task06: 16-bit add and subtract with carry, saturating on overflow.
task06: LD      R_LO, sum_lo            ; low byte of the running sum
        LD      R_HI, sum_hi
        IN      r10, PORT_A             ; sample to add
        ADD     R_LO, r10
        ADDC    R_HI, 0                 ; carry into the high byte
        BRCC    t06_keep                ; no overflow
        MOV     R_HI, 0xFF              ; saturate
        MOV     R_LO, 0xFF
t06_keep:
        CMP     R_HI, 0x50
        BRCS    t06_store               ; below the limit
        SUB     R_LO, 235               ; pull back towards the limit
        SUBC    R_HI, 0
        MOV     r6, R_HI
        OUT     r6, STATUS
t06_store:
        ST      R_LO, sum_lo
        ST      R_HI, sum_hi
        RET

; task07: counts the set bits of a port sample, then scrambles the sample.
task07: IN      r26, STATUS
        MOV     R_CNT, 0                ; bit count
        MOV     r30, 8                  ; bits left
t07_bit:
        CLC
        LSR     r26                     ; next bit into carry
        BRCC    t07_zero
        ADD     R_CNT, 1
t07_zero:
        SUB     r30, 1
        BRNE    t07_bit
        MOV     r26, R_CNT
        SEC
        ROL     r26
        ROR     r26
        ASR     r26
        LSL     r26
        OR      r26, 0x20
        OUT     r26, PORT_C
        RET

; task08: moves a block of the buffer down by one byte, keeping the working registers.
task08: PUSH    R_ACC
        PUSH    r24
        MOV     R_LO, buffer            ; source
        MOV     R_HI, buffer            ; destination
        ADD     R_LO, 1
        MOV     R_CNT, 7
t08_move:
        LD      r24, (R_LO)
        ST      r24, (R_HI)
        ADD     R_LO, 1
        ADD     R_HI, 1
        SUB     R_CNT, 1
        BRNE    t08_move
        LD      R_ACC, (r27)
        ST      R_ACC, 0xB6
        MOV     r10, R_ACC
        POP     r24
        POP     R_ACC
        RET

; task09: waits for a status bit with a time-out, then copies one port to another.
task09: MOV     R_CNT, 168              ; time-out
t09_wait:
        IN      R_ACC, STATUS
        TEST    R_ACC, 0x10
        BRNE    t09_ready
        SUB     R_CNT, 1
        BRNE    t09_wait
        MOV     R_ACC, 0xEE             ; time-out code
        OUT     R_ACC, STATUS
        BRN     t09_done
t09_ready:
        IN      r8, PORT_C
        AND     r8, 0x81
        EXOR    r8, R_ACC
        OUT     r8, PORT_B
t09_done:
        NOP
        RET

; task10: saves the stack pointer, runs a short compare chain, restores it.
task10: CLI                             ; no interrupts while the stack moves
        RSP     r30
        MOV     r12, r30
        CMP     r12, r28
        BREQ    t10_same
        BRCS    t10_less
        MOV     r28, r12
        BRN     t10_same
t10_less:
        ADD     r28, r12
        TEST    r12, r28
t10_same:
        WSP     r30
        SEI
        RET

; task11: tick handler: acknowledges, counts, returns with interrupts enabled or disabled.
task11: PUSH    R_ACC
        IN      R_ACC, STATUS
        OUT     R_ACC, STATUS           ; acknowledge
        LD      R_ACC, ticks
        ADD     R_ACC, 1
        ST      R_ACC, ticks
        CMP     R_ACC, 158
        BRCC    t11_stop                ; enough ticks
        POP     R_ACC
        RETIE
t11_stop:
        POP     R_ACC
        RETID

; task12: 16-bit add and subtract with carry, saturating on overflow.
task12: LD      R_LO, sum_lo            ; low byte of the running sum
        LD      R_HI, sum_hi
        IN      r5, PORT_C              ; sample to add
        ADD     R_LO, r5
        ADDC    R_HI, 0                 ; carry into the high byte
        BRCC    t12_keep                ; no overflow
        MOV     R_HI, 0xFF              ; saturate
        MOV     R_LO, 0xFF
t12_keep:
        CMP     R_HI, 0x52
        BRCS    t12_store               ; below the limit
        SUB     R_LO, 36                ; pull back towards the limit
        SUBC    R_HI, 0
        MOV     R_ACC, R_HI
        OUT     R_ACC, PORT_A
t12_store:
        ST      R_LO, sum_lo
        ST      R_HI, sum_hi
        RET

; task13: counts the set bits of a port sample, then scrambles the sample.
task13: IN      r21, STATUS
        MOV     R_CNT, 0                ; bit count
        MOV     r30, 8                  ; bits left
t13_bit:
        CLC
        LSR     r21                     ; next bit into carry
        BRCC    t13_zero
        ADD     R_CNT, 1
t13_zero:
        SUB     r30, 1
        BRNE    t13_bit
        MOV     r21, R_CNT
        SEC
        ROL     r21
        ROR     r21
        ASR     r21
        LSL     r21
        OR      r21, 0x20
        OUT     r21, PORT_B
        RET

; task14: moves a block of the buffer down by one byte, keeping the working registers.
task14: PUSH    R_ACC
        PUSH    r19
        MOV     R_LO, buffer            ; source
        MOV     R_HI, buffer            ; destination
        ADD     R_LO, 1
        MOV     R_CNT, 8
t14_move:
        LD      r19, (R_LO)
        ST      r19, (R_HI)
        ADD     R_LO, 1
        ADD     R_HI, 1
        SUB     R_CNT, 1
        BRNE    t14_move
        LD      R_ACC, (r28)
        ST      R_ACC, 0xAE
        MOV     r27, R_ACC
        POP     r19
        POP     R_ACC
        RET

; task15: waits for a status bit with a time-out, then copies one port to another.
task15: MOV     R_CNT, 154              ; time-out
t15_wait:
        IN      R_ACC, STATUS
        TEST    R_ACC, 0x40
        BRNE    t15_ready
        SUB     R_CNT, 1
        BRNE    t15_wait
        MOV     R_ACC, 0xEE             ; time-out code
        OUT     R_ACC, STATUS
        BRN     t15_done
t15_ready:
        IN      r12, STATUS
        AND     r12, 0x51
        EXOR    r12, R_ACC
        OUT     r12, PORT_C
t15_done:
        NOP
        RET

; task16: saves the stack pointer, runs a short compare chain, restores it.
task16: CLI                             ; no interrupts while the stack moves
        RSP     r30
        MOV     r13, r30
        CMP     r13, r14
        BREQ    t16_same
        BRCS    t16_less
        MOV     r14, r13
        BRN     t16_same
t16_less:
        ADD     r14, r13
        TEST    r13, r14
t16_same:
        WSP     r30
        SEI
        RET

; task17: tick handler: acknowledges, counts, returns with interrupts enabled or disabled.
task17: PUSH    R_ACC
        IN      R_ACC, STATUS
        OUT     R_ACC, STATUS           ; acknowledge
        LD      R_ACC, ticks
        ADD     R_ACC, 1
        ST      R_ACC, ticks
        CMP     R_ACC, 85
        BRCC    t17_stop                ; enough ticks
        POP     R_ACC
        RETIE
t17_stop:
        POP     R_ACC
        RETID

; task18: 16-bit add and subtract with carry, saturating on overflow.
task18: LD      R_LO, sum_lo            ; low byte of the running sum
        LD      R_HI, sum_hi
        IN      R_ACC, PORT_B           ; sample to add
        ADD     R_LO, R_ACC
        ADDC    R_HI, 0                 ; carry into the high byte
        BRCC    t18_keep                ; no overflow
        MOV     R_HI, 0xFF              ; saturate
        MOV     R_LO, 0xFF
t18_keep:
        CMP     R_HI, 0x60
        BRCS    t18_store               ; below the limit
        SUB     R_LO, 112               ; pull back towards the limit
        SUBC    R_HI, 0
        MOV     r12, R_HI
        OUT     r12, PORT_C
t18_store:
        ST      R_LO, sum_lo
        ST      R_HI, sum_hi
        RET

; task19: counts the set bits of a port sample, then scrambles the sample.
task19: IN      r14, PORT_C
        MOV     R_CNT, 0                ; bit count
        MOV     r30, 8                  ; bits left
t19_bit:
        CLC
        LSR     r14                     ; next bit into carry
        BRCC    t19_zero
        ADD     R_CNT, 1
t19_zero:
        SUB     r30, 1
        BRNE    t19_bit
        MOV     r14, R_CNT
        SEC
        ROL     r14
        ROR     r14
        ASR     r14
        LSL     r14
        OR      r14, 0x40
        OUT     r14, PORT_C
        RET

; task20: moves a block of the buffer down by one byte, keeping the working registers.
task20: PUSH    R_ACC
        PUSH    r18
        MOV     R_LO, buffer            ; source
        MOV     R_HI, buffer            ; destination
        ADD     R_LO, 1
        MOV     R_CNT, 15
t20_move:
        LD      r18, (R_LO)
        ST      r18, (R_HI)
        ADD     R_LO, 1
        ADD     R_HI, 1
        SUB     R_CNT, 1
        BRNE    t20_move
        LD      R_ACC, (r27)
        ST      R_ACC, 0x92
        MOV     r6, R_ACC
        POP     r18
        POP     R_ACC
        RET

; task21: waits for a status bit with a time-out, then copies one port to another.
task21: MOV     R_CNT, 83               ; time-out
t21_wait:
        IN      R_ACC, STATUS
        TEST    R_ACC, 0x20
        BRNE    t21_ready
        SUB     R_CNT, 1
        BRNE    t21_wait
        MOV     R_ACC, 0xEE             ; time-out code
        OUT     R_ACC, STATUS
        BRN     t21_done
t21_ready:
        IN      r11, PORT_C
        AND     r11, 0x5F
        EXOR    r11, R_ACC
        OUT     r11, PORT_B
t21_done:
        NOP
        RET

; task22: saves the stack pointer, runs a short compare chain, restores it.
task22: CLI                             ; no interrupts while the stack moves
        RSP     r30
        MOV     R_ACC, r30
        CMP     R_ACC, r22
        BREQ    t22_same
        BRCS    t22_less
        MOV     r22, R_ACC
        BRN     t22_same
t22_less:
        ADD     r22, R_ACC
        TEST    R_ACC, r22
t22_same:
        WSP     r30
        SEI
        RET

; task23: tick handler: acknowledges, counts, returns with interrupts enabled or disabled.
task23: PUSH    R_ACC
        IN      R_ACC, STATUS
        OUT     R_ACC, STATUS           ; acknowledge
        LD      R_ACC, ticks
        ADD     R_ACC, 1
        ST      R_ACC, ticks
        CMP     R_ACC, 112
        BRCC    t23_stop                ; enough ticks
        POP     R_ACC
        RETIE
t23_stop:
        POP     R_ACC
        RETID

; task24: 16-bit add and subtract with carry, saturating on overflow.
task24: LD      R_LO, sum_lo            ; low byte of the running sum
        LD      R_HI, sum_hi
        IN      r7, PORT_C              ; sample to add
        ADD     R_LO, r7
        ADDC    R_HI, 0                 ; carry into the high byte
        BRCC    t24_keep                ; no overflow
        MOV     R_HI, 0xFF              ; saturate
        MOV     R_LO, 0xFF
t24_keep:
        CMP     R_HI, 0xAE
        BRCS    t24_store               ; below the limit
        SUB     R_LO, 252               ; pull back towards the limit
        SUBC    R_HI, 0
        MOV     r28, R_HI
        OUT     r28, STATUS
t24_store:
        ST      R_LO, sum_lo
        ST      R_HI, sum_hi
        RET

; task25: counts the set bits of a port sample, then scrambles the sample.
task25: IN      r8, PORT_C
        MOV     R_CNT, 0                ; bit count
        MOV     r30, 8                  ; bits left
t25_bit:
        CLC
        LSR     r8                      ; next bit into carry
        BRCC    t25_zero
        ADD     R_CNT, 1
t25_zero:
        SUB     r30, 1
        BRNE    t25_bit
        MOV     r8, R_CNT
        SEC
        ROL     r8
        ROR     r8
        ASR     r8
        LSL     r8
        OR      r8, 0x10
        OUT     r8, STATUS
        RET

; task26: moves a block of the buffer down by one byte, keeping the working registers.
task26: PUSH    R_ACC
        PUSH    r23
        MOV     R_LO, buffer            ; source
        MOV     R_HI, buffer            ; destination
        ADD     R_LO, 1
        MOV     R_CNT, 10
t26_move:
        LD      r23, (R_LO)
        ST      r23, (R_HI)
        ADD     R_LO, 1
        ADD     R_HI, 1
        SUB     R_CNT, 1
        BRNE    t26_move
        LD      R_ACC, (r6)
        ST      R_ACC, 0xDA
        MOV     R_ACC, R_ACC
        POP     r23
        POP     R_ACC
        RET

; task27: waits for a status bit with a time-out, then copies one port to another.
task27: MOV     R_CNT, 72               ; time-out
t27_wait:
        IN      R_ACC, STATUS
        TEST    R_ACC, 0x20
        BRNE    t27_ready
        SUB     R_CNT, 1
        BRNE    t27_wait
        MOV     R_ACC, 0xEE             ; time-out code
        OUT     R_ACC, STATUS
        BRN     t27_done
t27_ready:
        IN      r26, PORT_B
        AND     r26, 0xB4
        EXOR    r26, R_ACC
        OUT     r26, PORT_B
t27_done:
        NOP
        RET

; task28: saves the stack pointer, runs a short compare chain, restores it.
task28: CLI                             ; no interrupts while the stack moves
        RSP     r30
        MOV     r7, r30
        CMP     r7, r18
        BREQ    t28_same
        BRCS    t28_less
        MOV     r18, r7
        BRN     t28_same
t28_less:
        ADD     r18, r7
        TEST    r7, r18
t28_same:
        WSP     r30
        SEI
        RET

; task29: tick handler: acknowledges, counts, returns with interrupts enabled or disabled.
task29: PUSH    R_ACC
        IN      R_ACC, STATUS
        OUT     R_ACC, STATUS           ; acknowledge
        LD      R_ACC, ticks
        ADD     R_ACC, 1
        ST      R_ACC, ticks
        CMP     R_ACC, 13
        BRCC    t29_stop                ; enough ticks
        POP     R_ACC
        RETIE
t29_stop:
        POP     R_ACC
        RETID

; task30: 16-bit add and subtract with carry, saturating on overflow.
task30: LD      R_LO, sum_lo            ; low byte of the running sum
        LD      R_HI, sum_hi
        IN      R_ACC, PORT_C           ; sample to add
        ADD     R_LO, R_ACC
        ADDC    R_HI, 0                 ; carry into the high byte
        BRCC    t30_keep                ; no overflow
        MOV     R_HI, 0xFF              ; saturate
        MOV     R_LO, 0xFF
t30_keep:
        CMP     R_HI, 0xA1
        BRCS    t30_store               ; below the limit
        SUB     R_LO, 66                ; pull back towards the limit
        SUBC    R_HI, 0
        MOV     R_ACC, R_HI
        OUT     R_ACC, PORT_A
t30_store:
        ST      R_LO, sum_lo
        ST      R_HI, sum_hi
        RET

; task31: counts the set bits of a port sample, then scrambles the sample.
task31: IN      R_ACC, PORT_B
        MOV     R_CNT, 0                ; bit count
        MOV     r30, 8                  ; bits left
t31_bit:
        CLC
        LSR     R_ACC                   ; next bit into carry
        BRCC    t31_zero
        ADD     R_CNT, 1
t31_zero:
        SUB     r30, 1
        BRNE    t31_bit
        MOV     R_ACC, R_CNT
        SEC
        ROL     R_ACC
        ROR     R_ACC
        ASR     R_ACC
        LSL     R_ACC
        OR      R_ACC, 0x40
        OUT     R_ACC, PORT_C
        RET

; task32: moves a block of the buffer down by one byte, keeping the working registers.
task32: PUSH    R_ACC
        PUSH    r24
        MOV     R_LO, buffer            ; source
        MOV     R_HI, buffer            ; destination
        ADD     R_LO, 1
        MOV     R_CNT, 8
t32_move:
        LD      r24, (R_LO)
        ST      r24, (R_HI)
        ADD     R_LO, 1
        ADD     R_HI, 1
        SUB     R_CNT, 1
        BRNE    t32_move
        LD      R_ACC, (r18)
        ST      R_ACC, 0xBB
        MOV     r22, R_ACC
        POP     r24
        POP     R_ACC
        RET

; task33: waits for a status bit with a time-out, then copies one port to another.
task33: MOV     R_CNT, 187              ; time-out
t33_wait:
        IN      R_ACC, STATUS
        TEST    R_ACC, 0x01
        BRNE    t33_ready
        SUB     R_CNT, 1
        BRNE    t33_wait
        MOV     R_ACC, 0xEE             ; time-out code
        OUT     R_ACC, STATUS
        BRN     t33_done
t33_ready:
        IN      r13, PORT_A
        AND     r13, 0x39
        EXOR    r13, R_ACC
        OUT     r13, STATUS
t33_done:
        NOP
        RET

; task34: saves the stack pointer, runs a short compare chain, restores it.
task34: CLI                             ; no interrupts while the stack moves
        RSP     r30
        MOV     r12, r30
        CMP     r12, r11
        BREQ    t34_same
        BRCS    t34_less
        MOV     r11, r12
        BRN     t34_same
t34_less:
        ADD     r11, r12
        TEST    r12, r11
t34_same:
        WSP     r30
        SEI
        RET

; task35: tick handler: acknowledges, counts, returns with interrupts enabled or disabled.
task35: PUSH    R_ACC
        IN      R_ACC, STATUS
        OUT     R_ACC, STATUS           ; acknowledge
        LD      R_ACC, ticks
        ADD     R_ACC, 1
        ST      R_ACC, ticks
        CMP     R_ACC, 12
        BRCC    t35_stop                ; enough ticks
        POP     R_ACC
        RETIE
t35_stop:
        POP     R_ACC
        RETID

; task36: 16-bit add and subtract with carry, saturating on overflow.
task36: LD      R_LO, sum_lo            ; low byte of the running sum
        LD      R_HI, sum_hi
        IN      r6, PORT_B              ; sample to add
        ADD     R_LO, r6
        ADDC    R_HI, 0                 ; carry into the high byte
        BRCC    t36_keep                ; no overflow
        MOV     R_HI, 0xFF              ; saturate
        MOV     R_LO, 0xFF
t36_keep:
        CMP     R_HI, 0xB1
        BRCS    t36_store               ; below the limit
        SUB     R_LO, 194               ; pull back towards the limit
        SUBC    R_HI, 0
        MOV     r25, R_HI
        OUT     r25, PORT_A
t36_store:
        ST      R_LO, sum_lo
        ST      R_HI, sum_hi
        RET

; task37: counts the set bits of a port sample, then scrambles the sample.
task37: IN      r15, PORT_B
        MOV     R_CNT, 0                ; bit count
        MOV     r30, 8                  ; bits left
t37_bit:
        CLC
        LSR     r15                     ; next bit into carry
        BRCC    t37_zero
        ADD     R_CNT, 1
t37_zero:
        SUB     r30, 1
        BRNE    t37_bit
        MOV     r15, R_CNT
        SEC
        ROL     r15
        ROR     r15
        ASR     r15
        LSL     r15
        OR      r15, 0x20
        OUT     r15, PORT_C
        RET

; task38: moves a block of the buffer down by one byte, keeping the working registers.
task38: PUSH    R_ACC
        PUSH    r16
        MOV     R_LO, buffer            ; source
        MOV     R_HI, buffer            ; destination
        ADD     R_LO, 1
        MOV     R_CNT, 4
t38_move:
        LD      r16, (R_LO)
        ST      r16, (R_HI)
        ADD     R_LO, 1
        ADD     R_HI, 1
        SUB     R_CNT, 1
        BRNE    t38_move
        LD      R_ACC, (r5)
        ST      R_ACC, 0xC9
        MOV     r8, R_ACC
        POP     r16
        POP     R_ACC
        RET

; task39: waits for a status bit with a time-out, then copies one port to another.
task39: MOV     R_CNT, 36               ; time-out
t39_wait:
        IN      R_ACC, STATUS
        TEST    R_ACC, 0x02
        BRNE    t39_ready
        SUB     R_CNT, 1
        BRNE    t39_wait
        MOV     R_ACC, 0xEE             ; time-out code
        OUT     R_ACC, STATUS
        BRN     t39_done
t39_ready:
        IN      R_ACC, PORT_B
        AND     R_ACC, 0xE5
        EXOR    R_ACC, R_ACC
        OUT     R_ACC, PORT_A
t39_done:
        NOP
        RET

; task40: saves the stack pointer, runs a short compare chain, restores it.
task40: CLI                             ; no interrupts while the stack moves
        RSP     r30
        MOV     r8, r30
        CMP     r8, r20
        BREQ    t40_same
        BRCS    t40_less
        MOV     r20, r8
        BRN     t40_same
t40_less:
        ADD     r20, r8
        TEST    r8, r20
t40_same:
        WSP     r30
        SEI
        RET

; task41: tick handler: acknowledges, counts, returns with interrupts enabled or disabled.
task41: PUSH    R_ACC
        IN      R_ACC, STATUS
        OUT     R_ACC, STATUS           ; acknowledge
        LD      R_ACC, ticks
        ADD     R_ACC, 1
        ST      R_ACC, ticks
        CMP     R_ACC, 179
        BRCC    t41_stop                ; enough ticks
        POP     R_ACC
        RETIE
t41_stop:
        POP     R_ACC
        RETID

; task42: 16-bit add and subtract with carry, saturating on overflow.
task42: LD      R_LO, sum_lo            ; low byte of the running sum
        LD      R_HI, sum_hi
        IN      r23, PORT_C             ; sample to add
        ADD     R_LO, r23
        ADDC    R_HI, 0                 ; carry into the high byte
        BRCC    t42_keep                ; no overflow
        MOV     R_HI, 0xFF              ; saturate
        MOV     R_LO, 0xFF
t42_keep:
        CMP     R_HI, 0xCD
        BRCS    t42_store               ; below the limit
        SUB     R_LO, 199               ; pull back towards the limit
        SUBC    R_HI, 0
        MOV     r6, R_HI
        OUT     r6, STATUS
t42_store:
        ST      R_LO, sum_lo
        ST      R_HI, sum_hi
        RET

; task43: counts the set bits of a port sample, then scrambles the sample.
task43: IN      r14, PORT_A
        MOV     R_CNT, 0                ; bit count
        MOV     r30, 8                  ; bits left
t43_bit:
        CLC
        LSR     r14                     ; next bit into carry
        BRCC    t43_zero
        ADD     R_CNT, 1
t43_zero:
        SUB     r30, 1
        BRNE    t43_bit
        MOV     r14, R_CNT
        SEC
        ROL     r14
        ROR     r14
        ASR     r14
        LSL     r14
        OR      r14, 0x40
        OUT     r14, PORT_C
        RET

; task44: moves a block of the buffer down by one byte, keeping the working registers.
task44: PUSH    R_ACC
        PUSH    r15
        MOV     R_LO, buffer            ; source
        MOV     R_HI, buffer            ; destination
        ADD     R_LO, 1
        MOV     R_CNT, 14
t44_move:
        LD      r15, (R_LO)
        ST      r15, (R_HI)
        ADD     R_LO, 1
        ADD     R_HI, 1
        SUB     R_CNT, 1
        BRNE    t44_move
        LD      R_ACC, (r19)
        ST      R_ACC, 0xB5
        MOV     r29, R_ACC
        POP     r15
        POP     R_ACC
        RET

; task45: waits for a status bit with a time-out, then copies one port to another.
task45: MOV     R_CNT, 34               ; time-out
t45_wait:
        IN      R_ACC, STATUS
        TEST    R_ACC, 0x80
        BRNE    t45_ready
        SUB     R_CNT, 1
        BRNE    t45_wait
        MOV     R_ACC, 0xEE             ; time-out code
        OUT     R_ACC, STATUS
        BRN     t45_done
t45_ready:
        IN      r7, PORT_A
        AND     r7, 0x2E
        EXOR    r7, R_ACC
        OUT     r7, STATUS
t45_done:
        NOP
        RET

; task46: saves the stack pointer, runs a short compare chain, restores it.
task46: CLI                             ; no interrupts while the stack moves
        RSP     r30
        MOV     r14, r30
        CMP     r14, r8
        BREQ    t46_same
        BRCS    t46_less
        MOV     r8, r14
        BRN     t46_same
t46_less:
        ADD     r8, r14
        TEST    r14, r8
t46_same:
        WSP     r30
        SEI
        RET

; task47: tick handler: acknowledges, counts, returns with interrupts enabled or disabled.
task47: PUSH    R_ACC
        IN      R_ACC, STATUS
        OUT     R_ACC, STATUS           ; acknowledge
        LD      R_ACC, ticks
        ADD     R_ACC, 1
        ST      R_ACC, ticks
        CMP     R_ACC, 196
        BRCC    t47_stop                ; enough ticks
        POP     R_ACC
        RETIE
t47_stop:
        POP     R_ACC
        RETID

; task48: 16-bit add and subtract with carry, saturating on overflow.
task48: LD      R_LO, sum_lo            ; low byte of the running sum
        LD      R_HI, sum_hi
        IN      r18, PORT_A             ; sample to add
        ADD     R_LO, r18
        ADDC    R_HI, 0                 ; carry into the high byte
        BRCC    t48_keep                ; no overflow
        MOV     R_HI, 0xFF              ; saturate
        MOV     R_LO, 0xFF
t48_keep:
        CMP     R_HI, 0x9F
        BRCS    t48_store               ; below the limit
        SUB     R_LO, 104               ; pull back towards the limit
        SUBC    R_HI, 0
        MOV     R_ACC, R_HI
        OUT     R_ACC, PORT_A
t48_store:
        ST      R_LO, sum_lo
        ST      R_HI, sum_hi
        RET

; task49: counts the set bits of a port sample, then scrambles the sample.
task49: IN      R_ACC, PORT_A
        MOV     R_CNT, 0                ; bit count
        MOV     r30, 8                  ; bits left
t49_bit:
        CLC
        LSR     R_ACC                   ; next bit into carry
        BRCC    t49_zero
        ADD     R_CNT, 1
t49_zero:
        SUB     r30, 1
        BRNE    t49_bit
        MOV     R_ACC, R_CNT
        SEC
        ROL     R_ACC
        ROR     R_ACC
        ASR     R_ACC
        LSL     R_ACC
        OR      R_ACC, 0x80
        OUT     R_ACC, PORT_C
        RET

; task50: moves a block of the buffer down by one byte, keeping the working registers.
task50: PUSH    R_ACC
        PUSH    r17
        MOV     R_LO, buffer            ; source
        MOV     R_HI, buffer            ; destination
        ADD     R_LO, 1
        MOV     R_CNT, 9
t50_move:
        LD      r17, (R_LO)
        ST      r17, (R_HI)
        ADD     R_LO, 1
        ADD     R_HI, 1
        SUB     R_CNT, 1
        BRNE    t50_move
        LD      R_ACC, (r29)
        ST      R_ACC, 0xDB
        MOV     r14, R_ACC
        POP     r17
        POP     R_ACC
        RET

; task51: waits for a status bit with a time-out, then copies one port to another.
task51: MOV     R_CNT, 38               ; time-out
t51_wait:
        IN      R_ACC, STATUS
        TEST    R_ACC, 0x40
        BRNE    t51_ready
        SUB     R_CNT, 1
        BRNE    t51_wait
        MOV     R_ACC, 0xEE             ; time-out code
        OUT     R_ACC, STATUS
        BRN     t51_done
t51_ready:
        IN      r5, PORT_A
        AND     r5, 0xBC
        EXOR    r5, R_ACC
        OUT     r5, PORT_B
t51_done:
        NOP
        RET

; task52: saves the stack pointer, runs a short compare chain, restores it.
task52: CLI                             ; no interrupts while the stack moves
        RSP     r30
        MOV     r21, r30
        CMP     r21, r15
        BREQ    t52_same
        BRCS    t52_less
        MOV     r15, r21
        BRN     t52_same
t52_less:
        ADD     r15, r21
        TEST    r21, r15
t52_same:
        WSP     r30
        SEI
        RET

; task53: tick handler: acknowledges, counts, returns with interrupts enabled or disabled.
task53: PUSH    R_ACC
        IN      R_ACC, STATUS
        OUT     R_ACC, STATUS           ; acknowledge
        LD      R_ACC, ticks
        ADD     R_ACC, 1
        ST      R_ACC, ticks
        CMP     R_ACC, 37
        BRCC    t53_stop                ; enough ticks
        POP     R_ACC
        RETIE
t53_stop:
        POP     R_ACC
        RETID

; task54: 16-bit add and subtract with carry, saturating on overflow.
task54: LD      R_LO, sum_lo            ; low byte of the running sum
        LD      R_HI, sum_hi
        IN      r20, PORT_C             ; sample to add
        ADD     R_LO, r20
        ADDC    R_HI, 0                 ; carry into the high byte
        BRCC    t54_keep                ; no overflow
        MOV     R_HI, 0xFF              ; saturate
        MOV     R_LO, 0xFF
t54_keep:
        CMP     R_HI, 0xE6
        BRCS    t54_store               ; below the limit
        SUB     R_LO, 75                ; pull back towards the limit
        SUBC    R_HI, 0
        MOV     r13, R_HI
        OUT     r13, PORT_B
t54_store:
        ST      R_LO, sum_lo
        ST      R_HI, sum_hi
        RET

; task55: counts the set bits of a port sample, then scrambles the sample.
task55: IN      r14, PORT_C
        MOV     R_CNT, 0                ; bit count
        MOV     r30, 8                  ; bits left
t55_bit:
        CLC
        LSR     r14                     ; next bit into carry
        BRCC    t55_zero
        ADD     R_CNT, 1
t55_zero:
        SUB     r30, 1
        BRNE    t55_bit
        MOV     r14, R_CNT
        SEC
        ROL     r14
        ROR     r14
        ASR     r14
        LSL     r14
        OR      r14, 0x80
        OUT     r14, PORT_B
        RET

; task56: moves a block of the buffer down by one byte, keeping the working registers.
task56: PUSH    R_ACC
        PUSH    r28
        MOV     R_LO, buffer            ; source
        MOV     R_HI, buffer            ; destination
        ADD     R_LO, 1
        MOV     R_CNT, 3
t56_move:
        LD      r28, (R_LO)
        ST      r28, (R_HI)
        ADD     R_LO, 1
        ADD     R_HI, 1
        SUB     R_CNT, 1
        BRNE    t56_move
        LD      R_ACC, (r11)
        ST      R_ACC, 0xC1
        MOV     r7, R_ACC
        POP     r28
        POP     R_ACC
        RET

; task57: waits for a status bit with a time-out, then copies one port to another.
task57: MOV     R_CNT, 168              ; time-out
t57_wait:
        IN      R_ACC, STATUS
        TEST    R_ACC, 0x80
        BRNE    t57_ready
        SUB     R_CNT, 1
        BRNE    t57_wait
        MOV     R_ACC, 0xEE             ; time-out code
        OUT     R_ACC, STATUS
        BRN     t57_done
t57_ready:
        IN      r9, PORT_A
        AND     r9, 0x91
        EXOR    r9, R_ACC
        OUT     r9, STATUS
t57_done:
        NOP
        RET

; task58: saves the stack pointer, runs a short compare chain, restores it.
task58: CLI                             ; no interrupts while the stack moves
        RSP     r30
        MOV     r26, r30
        CMP     r26, R_ACC
        BREQ    t58_same
        BRCS    t58_less
        MOV     R_ACC, r26
        BRN     t58_same
t58_less:
        ADD     R_ACC, r26
        TEST    r26, R_ACC
t58_same:
        WSP     r30
        SEI
        RET

; task59: tick handler: acknowledges, counts, returns with interrupts enabled or disabled.
task59: PUSH    R_ACC
        IN      R_ACC, STATUS
        OUT     R_ACC, STATUS           ; acknowledge
        LD      R_ACC, ticks
        ADD     R_ACC, 1
        ST      R_ACC, ticks
        CMP     R_ACC, 156
        BRCC    t59_stop                ; enough ticks
        POP     R_ACC
        RETIE
t59_stop:
        POP     R_ACC
        RETID
