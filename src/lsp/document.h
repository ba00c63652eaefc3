// An open document: its text as the client last sent it, assembled, and the conversions between
// the assembler's places (lines at "\n", byte columns) and the protocol's positions.
#ifndef TEVLIN_LSP_DOCUMENT_H_
#define TEVLIN_LSP_DOCUMENT_H_

#include <memory>
#include <string>

#include "analysis/analysis.h"
#include "lsp/json.h"
#include "lsp/positions.h"

// A place in the source as the assembler counts: line from 1, byte column from 0.
struct Place {
    int line = 1;
    int column = 0;
};

class Document {
  public:
    Document(std::string uri, int version, std::string text, Encoding encoding);

    /// Applies the changes of a didChange notification, in order, and assembles the result.
    void change(int version, const Json& changes);

    const std::string& uri() const { return uri_; }
    int version() const { return version_; }
    const Analysis& analysis() const { return *analysis_; }
    Encoding encoding() const { return encoding_; }

    /// The protocol's range of span on line (from 1).
    Json range(int line, Span span) const;
    /// The protocol's location of span on line.
    Json location(int line, Span span) const;
    /// The assembler's place of the protocol's position.
    Place place(const Json* position) const;
    /// The protocol's position of column on line (from 1).
    ClientPosition position(int line, int column) const;

  private:
    std::string uri_;
    int version_;
    Encoding encoding_;
    std::unique_ptr<Analysis> analysis_;
    std::unique_ptr<LineMap> lines_;
};

#endif  // TEVLIN_LSP_DOCUMENT_H_
