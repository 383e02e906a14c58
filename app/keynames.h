#pragma once
// Names of keys as the keystroke notation of the text export writes them.

#include <QString>

inline QString gstrKeyShift;
inline QString gstrKeyCtrl;
inline QString gstrKeyAlt;
inline QString gstrKeyBackspace;
inline QString gstrKeyBreak;
inline QString gstrKeyCapsLock;
inline QString gstrKeyClear;
inline QString gstrKeyDelete;
inline QString gstrKeyDown;
inline QString gstrKeyEnd;
inline QString gstrKeyEnter;
inline QString gstrKeyEscape;
inline QString gstrKeyHelp;
inline QString gstrKeyHome;
inline QString gstrKeyInsert;
inline QString gstrKeyLeft;
inline QString gstrKeyNumLock;
inline QString gstrKeyPgDn;
inline QString gstrKeyPgUp;
inline QString gstrKeyPrtSc;
inline QString gstrKeyRight;
inline QString gstrKeyScrollLock;
inline QString gstrKeyTab;
inline QString gstrKeyUp;
inline QString gstrKeyF1;
inline QString gstrKeyF2;
inline QString gstrKeyF3;
inline QString gstrKeyF4;
inline QString gstrKeyF5;
inline QString gstrKeyF6;
inline QString gstrKeyF7;
inline QString gstrKeyF8;
inline QString gstrKeyF9;
inline QString gstrKeyF10;
inline QString gstrKeyF11;
inline QString gstrKeyF12;
inline QString gstrKeyF13;
inline QString gstrKeyF14;
inline QString gstrKeyF15;
inline QString gstrKeyF16;
inline QString gstrKeyA;
inline QString gstrKeyB;
inline QString gstrKeyC;
inline QString gstrKeyD;
inline QString gstrKeyE;
inline QString gstrKeyF;
inline QString gstrKeyG;
inline QString gstrKeyH;
inline QString gstrKeyI;
inline QString gstrKeyJ;
inline QString gstrKeyK;
inline QString gstrKeyL;
inline QString gstrKeyM;
inline QString gstrKeyN;
inline QString gstrKeyO;
inline QString gstrKeyP;
inline QString gstrKeyQ;
inline QString gstrKeyR;
inline QString gstrKeyS;
inline QString gstrKeyT;
inline QString gstrKeyU;
inline QString gstrKeyV;
inline QString gstrKeyW;
inline QString gstrKeyX;
inline QString gstrKeyY;
inline QString gstrKeyZ;

// Fills the key names: "+", "^", "%", "{BACKSPACE}" ... "{F1}".."{F16}", "{A}".."{Z}".
void subInitKeyNames();
