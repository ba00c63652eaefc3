; demo.asm -- key-press counter for the tevlin soft core.
;
; Polls the key port. Every key that goes down is counted, written into an
; eight-byte ring buffer and shown on the LEDs; the status port shows the
; count. At start-up the LEDs show a checksum of the greeting text.

;---------------------------------------------------------------- constants
.EQU KEY_PORT    = 0x20         ; input: one bit per key, 1 = pressed
.EQU LED_PORT    = 0x40         ; output: LED bar
.EQU STATUS_PORT = 0x41         ; output: number of presses
.EQU STACK_TOP   = 0xFF
.EQU LOG_MASK    = 7            ; ring buffer of 8 entries

;---------------------------------------------------------------- registers
.DEF R_KEY  = R1                ; current key sample
.DEF R_LAST = R2                ; previous key sample
.DEF R_NEW  = R3                ; keys that went down
.DEF R_PTR  = R4                ; ring buffer write address
.DEF R_SUM  = R5                ; checksum
.def r_char = r6                ; byte under the text pointer

;---------------------------------------------------------------- data
.DSEG
.ORG 0x10
greeting: .DB 0x48, 0x49, 0x21, 0x00   ; "HI!", zero-terminated
scale:    .DB 1, 2, 4, 8                ; LED weights of the low keys
log:      .BYTE 8                       ; the last eight key presses
presses:  .BYTE 1                       ; number of presses

;---------------------------------------------------------------- code
; The start-up code stores the eight initialised bytes first; the
; program proper starts at 0x20.
.CSEG
.ORG 0x20
start:  MOV     R_LAST, 0
        mov     r0, 0
        ST      r0, presses             ; no presses yet
        MOV     R_PTR, log
        mov     r31, STACK_TOP
        WSP     r31                     ; stack grows down from the top
        CALL    checksum                ; defined further down
        OUT     R_SUM, LED_PORT
        nop

poll:   IN      R_KEY, KEY_PORT
        CMP     R_KEY, R_LAST
        BREQ    poll                    ; nothing changed
        MOV     R_NEW, R_KEY
        EXOR    R_NEW, R_LAST           ; keys that changed ...
        AND     R_NEW, R_KEY            ; ... and are down now
        MOV     R_LAST, R_KEY
        TEST    R_NEW, 0xFF
        breq    poll                    ; only releases
        call    record
        brn     poll

; record: log R_NEW in the ring buffer, count it and show both.
record:
        PUSH    R_NEW
        st      R_NEW, (R_PTR)          ; log entry
        ADD     R_PTR, 1
        AND     R_PTR, LOG_MASK         ; wrap around ...
        OR      R_PTR, log              ; ... inside the buffer
        LD      r7, presses
        add     r7, 1
        ST      r7, presses
        OUT     r7, STATUS_PORT
        POP     R_NEW
        CALL    weight
        OUT     r8, LED_PORT
        RET

; weight: r8 = sum of the scale entries of the low four keys in R_NEW.
weight: mov     r8, 0
        MOV     r9, scale               ; r9 walks the scale table
        MOV     r10, R_NEW
        and     r10, 0x0F
next_key:
        CMP     r10, 0
        BREQ    weight_done
        LSR     r10                     ; lowest key into carry
        BRCC    skip_key
        LD      r11, (r9)
        ADD     r8, r11
skip_key:
        ADD     r9, 1
        BRN     next_key
weight_done:
        ret

; checksum: R_SUM = greeting bytes added with a rotate in between.
checksum:
        MOV     R_SUM, 0
        MOV     r12, greeting
sum_loop:
        LD      R_CHAR, (r12)
        CMP     R_CHAR, 0
        BREQ    sum_done                ; end of text
        ROL     R_SUM
        ADD     R_SUM, R_CHAR
        add     r12, 1
        BRN     sum_loop
sum_done:
        RET
