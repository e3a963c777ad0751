grammar Formula;

options
{
    language = C;
    output = AST;
    ASTLabelType = pANTLR3_BASE_TREE;
    // Pins the token numbers that the tree walkers rely on.
    tokenVocab = FormulaVocabulary;
}

tokens
{
    PARAM;
    NEGATE;
}

formula
    : logicalExpression EOF!
    ;

logicalExpression
    : andExpression (OR^ andExpression)*
    ;

andExpression
    : equalityExpression (AND^ equalityExpression)*
    ;

equalityExpression
    : relationalExpression ((EQUALS | NOTEQUALS)^ relationalExpression)*
    ;

relationalExpression
    : additiveExpression ((LTH | LTEQ | GT | GTEQ)^ additiveExpression)*
    ;

additiveExpression
    : multiplicativeExpression ((PLUS | MINUS)^ multiplicativeExpression)*
    ;

multiplicativeExpression
    : powerExpression ((MULT | DIV | MOD)^ powerExpression)*
    ;

powerExpression
    : unaryExpression (POW^ unaryExpression)*
    ;

unaryExpression
    : primaryExpression
    | NOT^ primaryExpression
    | MINUS primaryExpression -> ^(NEGATE primaryExpression)
    ;

primaryExpression
    : '('! logicalExpression ')'!
    | valueExpression
    ;

valueExpression
    : STRING
    | INTEGER
    | FLOAT
    | DATETIME
    | BOOLEAN
    | parameterExpression
    | functionExpression
    ;

parameterExpression
    : IDENT -> ^(PARAM IDENT)
    ;

functionExpression
    : IDENT '(' (logicalExpression (',' logicalExpression)*)? ')' -> ^(IDENT logicalExpression*)
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
