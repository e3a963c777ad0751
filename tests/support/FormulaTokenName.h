#pragma once

#include "Veltis/SkinEngine/Formula/EFormulaTokenType.h"

// Short names of the formula token and node types, so that token lists and trees read as text in
// test tables; the punctuation gets names rather than its quoted literal.
namespace VeltisTest {

inline char const* FormulaTokenName(unsigned type)
{
    using namespace Veltis::SkinEngine;
    switch (static_cast<int>(type))
    {
    case eFormulaTokenPARAM: return "PARAM";
    case eFormulaTokenNEGATE: return "NEGATE";
    case eFormulaTokenSTRING: return "STRING";
    case eFormulaTokenOR: return "OR";
    case eFormulaTokenAND: return "AND";
    case eFormulaTokenEQUALS: return "EQUALS";
    case eFormulaTokenNOTEQUALS: return "NOTEQUALS";
    case eFormulaTokenLTH: return "LTH";
    case eFormulaTokenLTEQ: return "LTEQ";
    case eFormulaTokenGT: return "GT";
    case eFormulaTokenGTEQ: return "GTEQ";
    case eFormulaTokenPLUS: return "PLUS";
    case eFormulaTokenMINUS: return "MINUS";
    case eFormulaTokenMULT: return "MULT";
    case eFormulaTokenDIV: return "DIV";
    case eFormulaTokenMOD: return "MOD";
    case eFormulaTokenPOW: return "POW";
    case eFormulaTokenNOT: return "NOT";
    case eFormulaTokenINTEGER: return "INTEGER";
    case eFormulaTokenFLOAT: return "FLOAT";
    case eFormulaTokenDATETIME: return "DATETIME";
    case eFormulaTokenBOOLEAN: return "BOOLEAN";
    case eFormulaTokenIDENT: return "IDENT";
    case eFormulaTokenWS: return "WS";
    case eFormulaTokenLeftParenthesis: return "LP";
    case eFormulaTokenRightParenthesis: return "RP";
    case eFormulaTokenComma: return "COMMA";
    default: return "?";
    }
}

} // namespace VeltisTest
