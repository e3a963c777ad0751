grammar Formula;

// The parser builds the formula's tree itself: the runtime's generic trees cost more than the rest
// of the parse. The generated parser is compiled as C++ for these actions.
options
{
    language = C;
    // Pins the token numbers that the tree walkers rely on.
    tokenVocab = FormulaVocabulary;
}

tokens
{
    PARAM;
    NEGATE;
}

@parser::includes
{
#include "Veltis/SkinEngine/Formula/CFormulaTree.h"

typedef Veltis::SkinEngine::CFormulaTree::SNode* FormulaNode;
}

@parser::context
{
    Veltis::SkinEngine::CFormulaTree* m_Tree;
}

formula returns [FormulaNode node = NULL]
    : e=logicalExpression EOF { $node = $e.node; }
    ;

// A binary operator's node has the operator's token and the two operands; a chain of one precedence
// leans left, so that it evaluates left to right.
logicalExpression returns [FormulaNode node = NULL]
    : a=andExpression { $node = $a.node; }
      (op=OR b=andExpression { $node = ctx->m_Tree->MakeOperation($op, $node, $b.node); })*
    ;

andExpression returns [FormulaNode node = NULL]
    : a=equalityExpression { $node = $a.node; }
      (op=AND b=equalityExpression { $node = ctx->m_Tree->MakeOperation($op, $node, $b.node); })*
    ;

equalityExpression returns [FormulaNode node = NULL]
    : a=relationalExpression { $node = $a.node; }
      (op=(EQUALS | NOTEQUALS) b=relationalExpression { $node = ctx->m_Tree->MakeOperation($op, $node, $b.node); })*
    ;

relationalExpression returns [FormulaNode node = NULL]
    : a=additiveExpression { $node = $a.node; }
      (op=(LTH | LTEQ | GT | GTEQ) b=additiveExpression { $node = ctx->m_Tree->MakeOperation($op, $node, $b.node); })*
    ;

additiveExpression returns [FormulaNode node = NULL]
    : a=multiplicativeExpression { $node = $a.node; }
      (op=(PLUS | MINUS) b=multiplicativeExpression { $node = ctx->m_Tree->MakeOperation($op, $node, $b.node); })*
    ;

multiplicativeExpression returns [FormulaNode node = NULL]
    : a=powerExpression { $node = $a.node; }
      (op=(MULT | DIV | MOD) b=powerExpression { $node = ctx->m_Tree->MakeOperation($op, $node, $b.node); })*
    ;

powerExpression returns [FormulaNode node = NULL]
    : a=unaryExpression { $node = $a.node; }
      (op=POW b=unaryExpression { $node = ctx->m_Tree->MakeOperation($op, $node, $b.node); })*
    ;

unaryExpression returns [FormulaNode node = NULL]
    : p=primaryExpression { $node = $p.node; }
    | op=NOT p=primaryExpression { $node = ctx->m_Tree->AddChild(ctx->m_Tree->MakeLeaf($op), $p.node); }
    | MINUS p=primaryExpression
      { $node = ctx->m_Tree->AddChild(ctx->m_Tree->MakeImaginary(NEGATE, "NEGATE"), $p.node); }
    ;

primaryExpression returns [FormulaNode node = NULL]
    : '(' e=logicalExpression ')' { $node = $e.node; }
    | v=valueExpression { $node = $v.node; }
    ;

valueExpression returns [FormulaNode node = NULL]
    : t=(STRING | INTEGER | FLOAT | DATETIME | BOOLEAN) { $node = ctx->m_Tree->MakeLeaf($t); }
    | p=parameterExpression { $node = $p.node; }
    | f=functionExpression { $node = $f.node; }
    ;

// A bare name is a PARAM node over the name's IDENT leaf.
parameterExpression returns [FormulaNode node = NULL]
    : name=IDENT
      { $node = ctx->m_Tree->AddChild(ctx->m_Tree->MakeImaginary(PARAM, "PARAM"), ctx->m_Tree->MakeLeaf($name)); }
    ;

// A call is the name's IDENT node over its arguments.
functionExpression returns [FormulaNode node = NULL]
    : name=IDENT { $node = ctx->m_Tree->MakeLeaf($name); }
      '(' (a=logicalExpression { $node = ctx->m_Tree->AddChild($node, $a.node); }
           (',' b=logicalExpression { $node = ctx->m_Tree->AddChild($node, $b.node); })*)? ')'
    ;

// A literal that the vocabulary numbers gets no implicit lexer rule, so each has an explicit one; the
// T__ names keep the quoted literals in the parser's token-name table.
T__31 : '(' ;
T__32 : ')' ;
T__33 : ',' ;

OR : '||' | 'or' ;
AND : '&&' | 'and' ;
EQUALS : '==' | '=' ;
NOTEQUALS : '!=' | '<>' ;
LTH : '<' ;
LTEQ : '<=' ;
GT : '>' ;
GTEQ : '>=' ;
PLUS : '+' ;
MINUS : '-' ;
MULT : '*' ;
DIV : '/' ;
MOD : '%' ;
POW : '^' ;
NOT : '!' | 'not' ;

STRING
    : '\'' (EscapeSequence | (' '..'&' | '('..'[' | ']'..'\u00FF'))* '\''
    ;

INTEGER : ('0'..'9')+ ;

FLOAT : ('0'..'9')* '.' ('0'..'9')+ ;

DATETIME : '#' ('\u0000'..'"' | '$'..'\u00FF')* '#' ;

BOOLEAN : 'true' | 'false' ;

IDENT
    : ('a'..'z' | 'A'..'Z' | '_' | '$') ('a'..'z' | 'A'..'Z' | '_' | '$' | '0'..'9' | '.')*
    ;

fragment EscapeSequence
    : '\\' ('n' | 'r' | 't' | '\'' | '\\' | UnicodeEscape)
    ;

fragment UnicodeEscape
    : 'u' HexDigit HexDigit HexDigit HexDigit
    ;

fragment HexDigit
    : '0'..'9' | 'a'..'f' | 'A'..'F'
    ;

WS : (' ' | '\t' | '\n' | '\f' | '\r') { $channel = HIDDEN; } ;
