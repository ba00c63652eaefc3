; every directive and every kind of line

.EQU PORT = 0x40	; output port
.equ LAST = 1023
.DEF R_CNT = r17
.def R_TMP = R5
.DEF R_NINE = r9
.DEF R_TEN = r10
.EQU LIMIT = 1024
.DSEG
.ORG 0x10
BUF:	.BYTE 4
TABLE:	.DB 0x12, 0xA5, 300	; 300 keeps its low byte
	.db 7
FLAGS:
.CSEG
.ORG 0x20
MAIN:	IN	R_CNT, PORT
	ld	r2, (R_TMP)
	LD	r3, TABLE
WAIT:
LOOP:	add	r2, r3
	SUB	R_CNT, 1
	LSL	R_TMP
	BRNE	LOOP
	ST	r2, BUF
	MOV	r30, R_CNT
	LD	r4, FLAGS
	CALL	DONE
	BRCC	LAST
	BRN	WAIT
DONE:	RET
.DSEG
MORE:	.DB 0xFF
