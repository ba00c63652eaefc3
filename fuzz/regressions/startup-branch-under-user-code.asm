; code placed at 0 after the first instruction at 0x10 lands on the start-up branch
.ORG 0x10
NOP
.ORG 0
ADD R1,R2
