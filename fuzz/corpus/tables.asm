; tables.asm -- table-driven display, wave and checksum routines.
;
; Data memory starts with 128 initialised bytes (lookup tables and a
; message), so the start-up code that copies them fills program memory
; from 0x000 to 0x0FF and the program itself starts at 0x100.
;
; Main loop: print the message once, then for ever step a sine wave on
; the DAC port, show the key byte as two hex digits on the 7-segment
; ports and fold it into a running CRC-8 that goes to the LED port.

.EQU KEY_PORT  = 0x01
.EQU UART_STAT = 0x02           ; bit 0: transmitter busy
.EQU UART_DATA = 0x03
.EQU DAC_PORT  = 0x10
.EQU SEG_LO    = 0x11
.EQU SEG_HI    = 0x12
.EQU LED_PORT  = 0x13
.EQU TX_BUSY   = 0x01

.DEF R_IN   = R1                ; argument of the routines
.DEF R_IDX  = R8                ; table index
.DEF R_ADDR = R9                ; table address

.DSEG
.ORG 0
; sine: one period in 32 steps, 128 + 127 * sin(2 * pi * i / 32)
sine:   .DB 0x80, 0x99, 0xB1, 0xC7, 0xDA, 0xEA, 0xF5, 0xFD
        .DB 0xFF, 0xFD, 0xF5, 0xEA, 0xDA, 0xC7, 0xB1, 0x99
        .DB 0x80, 0x67, 0x4F, 0x39, 0x26, 0x16, 0x0B, 0x03
        .DB 0x01, 0x03, 0x0B, 0x16, 0x26, 0x39, 0x4F, 0x67
; font: 7-segment patterns of the hex digits 0 to F (bit 0 = segment a)
font:   .DB 0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07
        .DB 0x7F, 0x6F, 0x77, 0x7C, 0x39, 0x5E, 0x79, 0x71
; rev: the four bits of the index in reverse order
rev:    .DB 0x00, 0x08, 0x04, 0x0C, 0x02, 0x0A, 0x06, 0x0E
        .DB 0x01, 0x09, 0x05, 0x0D, 0x03, 0x0B, 0x07, 0x0F
; crc: CRC-8 (polynomial x^8 + x^2 + x + 1) of one nibble
crc:    .DB 0x00, 0x07, 0x0E, 0x09, 0x1C, 0x1B, 0x12, 0x15
        .DB 0x38, 0x3F, 0x36, 0x31, 0x24, 0x23, 0x2A, 0x2D
; squares of 0 to 15
squares: .DB 0, 1, 4, 9, 16, 25, 36, 49
        .DB 64, 81, 100, 121, 144, 169, 196, 225
; days of the months January to December
days:   .DB 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31
; msg: "TEVLIN TABLES OK", CR, LF, zero
msg:    .DB 0x54, 0x45, 0x56, 0x4C, 0x49, 0x4E, 0x20
        .DB 0x54, 0x41, 0x42, 0x4C, 0x45, 0x53, 0x20, 0x4F, 0x4B
        .DB 0x0D, 0x0A, 0x00
version: .DB 0x10
; working variables, not initialised
phase:  .BYTE 1
crc_val: .BYTE 1

.CSEG
.ORG 0x100
main:   MOV     r31, 0xFF
        WSP     r31
        MOV     r0, 0
        ST      r0, phase
        ST      r0, crc_val
        CALL    print_msg
        LD      r0, version
        OUT     r0, LED_PORT
forever:
        CALL    wave_step
        IN      R_IN, KEY_PORT
        CALL    show_hex
        CALL    crc_byte
        OUT     r13, LED_PORT
        BRN     forever

; print_msg: send the zero-terminated message to the UART.
print_msg:
        MOV     r2, msg
print_next:
        LD      r3, (r2)
        CMP     r3, 0
        BREQ    print_done
tx_wait:
        IN      r4, UART_STAT
        TEST    r4, TX_BUSY
        BRNE    tx_wait
        OUT     r3, UART_DATA
        ADD     r2, 1
        BRN     print_next
print_done:
        RET

; wave_step: advance the phase and put the next sine sample on the DAC.
wave_step:
        LD      r5, phase
        ADD     r5, 1
        AND     r5, 31
        ST      r5, phase
        MOV     R_ADDR, sine
        ADD     R_ADDR, r5
        LD      r7, (R_ADDR)
        OUT     r7, DAC_PORT
        RET

; nibble_lookup: r10 = table[R_IDX] for the table whose address is in R_ADDR.
nibble_lookup:
        AND     R_IDX, 0x0F
        ADD     R_ADDR, R_IDX
        LD      r10, (R_ADDR)
        RET

; high_nibble: R_IDX = R_IN shifted down by four.
high_nibble:
        MOV     R_IDX, R_IN
        LSR     R_IDX
        LSR     R_IDX
        LSR     R_IDX
        LSR     R_IDX
        RET

; show_hex: R_IN as two hex digits on the 7-segment ports.
show_hex:
        MOV     R_IDX, R_IN
        MOV     R_ADDR, font
        CALL    nibble_lookup
        OUT     r10, SEG_LO
        CALL    high_nibble
        MOV     R_ADDR, font
        CALL    nibble_lookup
        OUT     r10, SEG_HI
        RET

; reverse_byte: r11 = R_IN with its eight bits in reverse order.
reverse_byte:
        MOV     R_IDX, R_IN
        MOV     R_ADDR, rev
        CALL    nibble_lookup
        MOV     r11, r10
        LSL     r11
        LSL     r11
        LSL     r11
        LSL     r11
        CALL    high_nibble
        MOV     R_ADDR, rev
        CALL    nibble_lookup
        OR      r11, r10
        RET

; crc_byte: fold R_IN into crc_val, high nibble first; r13 = new value.
crc_byte:
        LD      r13, crc_val
        CALL    high_nibble
        CALL    crc_nibble
        MOV     R_IDX, R_IN
        CALL    crc_nibble
        ST      r13, crc_val
        RET

; crc_nibble: r13 = (r13 << 4) xor crc[(r13 >> 4) xor R_IDX].
crc_nibble:
        MOV     r14, r13
        LSR     r14
        LSR     r14
        LSR     r14
        LSR     r14
        EXOR    R_IDX, r14
        MOV     R_ADDR, crc
        CALL    nibble_lookup
        LSL     r13
        LSL     r13
        LSL     r13
        LSL     r13
        EXOR    r13, r10
        RET

; square: r10 = R_IN * R_IN for R_IN from 0 to 15.
square: MOV     R_IDX, R_IN
        MOV     R_ADDR, squares
        BRN     nibble_lookup

; month_days: r10 = number of days of month R_IN (1 to 12).
month_days:
        MOV     R_ADDR, days
        ADD     R_ADDR, R_IN
        SUB     R_ADDR, 1
        LD      r10, (R_ADDR)
        RET
