#DEC(.#DEC)

#ENU(&+BTitle&-B&LF&SP=4:EI = 2&.5&E+7&LF#UDL(Underlined)&LF#SEG(------)&LF#IMG('fig.bmp' DXmm=40:DYmm=30:)&LF&+Ibeta&-I &SUB(1) &SUP(2)#ENU)

#SOL(S&LF&SP=10:x = 1&.0#SOL)

#RS1(#IMG('graph1.bmp' DXmm=90:DYmm=90:)&LF#RS1)

#RS2(R2#RS2)