; one line for each mistake that students make most
.DEF COUNT = R4
.DEF QUOTIENT = R5
.EQU MIDG# = 21
.EQU DIRECTION DOWN = 0x02
.EQU RED = 0xE0
	.ORG 0x10
init MOV R0, 0x00
loop:	ADD R1, R2
	MOVE R1, R2
	ADD R1,	; the second operand is missing
	MOV COUNT, 0x00
division: MOV QUOTIENT, 0X00
	BRN division
	BRN lop
	JMP loop
here: .EQU LIMIT = 5
.DSEG
	.DB "hi"
.CSEG
	MOV R1, -5
	ADD R1, RED
	IN R1
loop: NOP
my label: NOP
	BRN loopp
.DEF R_CNT R4
