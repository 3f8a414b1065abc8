#pragma once
// The line rules of a format: which lines of a file may be account
// information or balance lines. Each rule is an operator code with a line
// number N; the format screen offers the operators in the order of
// LineOperators().

#include <span>
#include <string_view>

struct CLineOperator {
  int code;
  std::string_view text;
};

// 0 "in jeder Zeile", 1 "in erster Zeile", 2 "genau in Zeile", 3 "ab Zeile",
// 4 "bis Zeile", 5 "genau in x-letzter Zeile", 6 "ab x-letzter Zeile",
// 7 "in letzer Zeile", -1 the empty entry.
std::span<const CLineOperator> LineOperators();

// Whether line `line` (1-based) of a file of `lineCount` lines matches the
// operator with line number `n`. Codes 0 and -1 match every line; codes the
// table does not know match none.
bool LineOperatorMatches(int code, int n, int line, int lineCount);
