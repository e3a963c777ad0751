#pragma once

namespace Veltis::SkinEngine
{

// The token and node types of the formula grammar; the numbers are pinned by FormulaVocabulary.tokens.
enum EFormulaTokenType : int
{
    eFormulaTokenEOF = -1,
    eFormulaTokenPARAM = 4,
    eFormulaTokenNEGATE = 5,
    eFormulaTokenSTRING = 6,
    eFormulaTokenOR = 7,
    eFormulaTokenAND = 8,
    eFormulaTokenEQUALS = 9,
    eFormulaTokenNOTEQUALS = 10,
    eFormulaTokenLTH = 11,
    eFormulaTokenLTEQ = 12,
    eFormulaTokenGT = 13,
    eFormulaTokenGTEQ = 14,
    eFormulaTokenPLUS = 15,
    eFormulaTokenMINUS = 16,
    eFormulaTokenMULT = 17,
    eFormulaTokenDIV = 18,
    eFormulaTokenMOD = 19,
    eFormulaTokenPOW = 20,
    eFormulaTokenNOT = 21,
    eFormulaTokenINTEGER = 22,
    eFormulaTokenFLOAT = 23,
    eFormulaTokenDATETIME = 24,
    eFormulaTokenBOOLEAN = 25,
    eFormulaTokenIDENT = 26,
    eFormulaTokenEscapeSequence = 27,
    eFormulaTokenUnicodeEscape = 28,
    eFormulaTokenHexDigit = 29,
    eFormulaTokenWS = 30,
    eFormulaTokenLeftParenthesis = 31,
    eFormulaTokenRightParenthesis = 32,
    eFormulaTokenComma = 33
};

// The channel of white-space tokens, which the parser does not read.
constexpr int kFormulaHiddenChannel = 99;

} // namespace Veltis::SkinEngine
