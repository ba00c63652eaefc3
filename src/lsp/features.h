// What the server answers, one function for each request of the protocol it takes: each reads
// an open document and the request's parameters and gives the result to send.
#ifndef TEVLIN_LSP_FEATURES_H_
#define TEVLIN_LSP_FEATURES_H_

#include <string>

#include "analysis/analysis.h"
#include "lsp/document.h"
#include "lsp/json.h"

/// The textDocument/publishDiagnostics notification for document, as text: the run's messages,
/// then warnings and hints that the command does not print.
std::string Diagnostics_of(const Document& document);

Json Hover_at(const Document& document, const Json& params);
Json Definition_of(const Document& document, const Json& params);
Json References_to(const Document& document, const Json& params);
Json Highlights_of(const Document& document, const Json& params);
Json Document_symbols(const Document& document);
Json Completion_at(const Document& document, const Json& params);
Json Prepare_rename(const Document& document, const Json& params);
/// The edits of a rename, or null with refusal set to why it cannot be done.
Json Rename(const Document& document, const Json& params, std::string& refusal);

/// The kinds of token that semantic tokens name, in the order of their numbers.
Json Semantic_token_legend();
Json Semantic_tokens(const Document& document);

// Shared by the features.

/// The symbol that the name token at the position of params writes, or null; name is set to
/// the name, defined or not.
const Symbol* Symbol_at(const Document& document, const Json& params, std::string& name,
                        const SourceToken** token = nullptr);
/// The value of symbol as the listing shows it, and for data its size and first values.
std::string Value_words(const Analysis& analysis, const Symbol& symbol);

#endif  // TEVLIN_LSP_FEATURES_H_
