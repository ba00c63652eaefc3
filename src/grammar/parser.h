// The line grammar: parses both passes of the source and runs every statement's action.
#ifndef TEVLIN_GRAMMAR_PARSER_H_
#define TEVLIN_GRAMMAR_PARSER_H_

// name               start value  meaning
extern int syntaxErrCnt;  // 0      syntax errors met in this run

/// Parses lines until the end of input (0) or a syntax error (1); a syntax error drops the
/// parse state and the offending token, so the next call resumes with the following token.
int yyparse();

/// Restores syntaxErrCnt.
void Reset_grammar();

#endif  // TEVLIN_GRAMMAR_PARSER_H_
