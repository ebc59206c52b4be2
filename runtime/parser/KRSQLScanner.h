// The SQL scanner: tokens with their kinds, the dialect's word lists and the quoting of names.
#pragma once

#include "framework/KRStrings.h"
#include "parser/KRScanner.h"
#include "parser/KRTokens.h"
#include "parser/KRWordSet.h"

#include <memory>
#include <string>

namespace korvan {

//! Everything a scan position is: a mark taken before reading lets the parser step back to it.
struct TKRScanMark
{
    int Position = 1;
    std::string Token;
    int Level = 0;
    bool InString = false;
    char QuoteChar = '\0';
    TTokenKind TokenKind = tkUnknown;
    int Line = 1;
    int Column = 1;
    int BlankCount = 0;
    bool EmptyLiteralPending = false;
    char TokenQuote = '\0';
    int TokenStart = 1;
};

/*!
 * Line and Column are 1-based; Column counts bytes from the start of the line, and only CR LF
 * breaks a line. A dialect scanner changes the character classes, the quotes and the word lists
 * by overriding the virtual operations; the word lists are filled in AfterConstruction, so create
 * scanners with Construct<T>().
 */
class TKRSQLScanner : public TKRScanner
{
public:
    TKRSQLScanner();
    ~TKRSQLScanner() override;

    //! Fills the word lists through the dialect's GetComma... operations.
    void AfterConstruction() override;

    TTokenKind TokenKind() const { return FTokenKind; }
    int Line() const { return FLine; }
    int Column() const { return FColumn; }
    //! Blanks and line breaks skipped right before the current token.
    int BlankCount() const { return FBlankCount; }
    bool EmptyLiteralPending() const { return FEmptyLiteralPending; }

    //! The quote that opened the section the current token was read from, '\0' for a bare word.
    char TokenQuote() const { return FTokenQuote; }
    //! The current token's text with the escaping of its section undone ('It''s' gives It's).
    std::string TokenValue() const;
    //! The 1-based position of the current token's first byte (inside the quotes of a quoted token).
    int TokenStart() const { return FTokenStart; }

    bool QuoteIdentifiers() const { return FQuoteIdentifiers; }
    void SetQuoteIdentifiers(bool Value) { FQuoteIdentifiers = Value; }

    //! Upper case and sorted, always: change them through the setters.
    const TStringList &Keywords() const { return *FKeywords; }
    const TStringList &Functions() const { return *FFunctions; }
    const TStringList &Operations() const { return *FOperations; }
    //! Copies the words, upper-cased and sorted; the scanner's own list is left alone.
    void SetKeywords(const TStrings &Value);
    void SetFunctions(const TStrings &Value);
    //! Copies the words as they are: operations are searched one by one, in order.
    void SetOperations(const TStrings &Value);

    //! The whole scan state, to come back to with Restore (without counting the text again).
    TKRScanMark Mark() const;
    void Restore(const TKRScanMark &Value);

    void SetPosition(int Value) override;
    std::string GetTokenPlus() override;
    //! Look-ahead with the whole token: the scan state after the next token; the scan state is
    //! left as it was (also when reading the next token raises).
    TKRScanMark PeekNext();
    void Init() override;
    std::string GetNextToken() override;

    virtual bool IsOperation(const std::string &S) const;
    virtual bool IsComparison(char C) const;
    virtual bool IsLegalSymbol(char C) const;
    virtual bool IsIdentQuote(char C) const;
    virtual bool IsIdentifier(const std::string &S) const;
    virtual bool IsInteger(const std::string &S) const;
    virtual bool IsKeyword(const std::string &S) const;
    virtual bool IsFunction(const std::string &S) const;
    //! Whether Quote, met after the gathered Token and followed by Next, closes the section.
    virtual bool IsTerminator(char C, const std::string &Token, char Next, char Quote) const;
    virtual char GetIdentQuote() const;
    virtual bool GetProcessAliases() const;
    virtual bool GetQuoteIdentifiers() const;
    virtual char GetStringQuote() const;
    //! False only for a name already enclosed in a pair of identifier quotes.
    virtual bool NeedQuotes(const std::string &S) const;
    virtual std::string GetCommaKeywords() const;
    virtual std::string GetCommaFunctions() const;
    virtual std::string GetCommaOperations() const;
    //! The name without its enclosing identifier quotes, when it has them.
    virtual std::string ProcessIdent(const std::string &S) const;
    virtual void DefineKeywords();
    virtual void DefineFunctions();
    virtual void DefineOperations();
    //! A possibly dotted name quoted for output; with quoting off each part is quoted only where
    //! it would not read back otherwise (NeedsQuotesWhenOff).
    virtual std::string ProcessName(const std::string &S) const;
    //! Whether one name part needs quotes even with quoting off: it is no identifier, holds a
    //! delimiter, or is a keyword, function word or value word. Never for a dialect without
    //! identifier quotes.
    bool NeedsQuotesWhenOff(const std::string &S) const;
    //! A word that stands for a value of its own where it stands alone: TRUE, NULL, CURRENT_DATE...
    bool IsLiteralValueWord(const std::string &S) const;
    //! A word that the reader takes for a value, or the start of one, where it stands alone: the
    //! literal value words and CASE. A name spelled so must be written in quotes.
    bool IsValueWord(const std::string &S) const;
    //! Undoes the escaping of a quoted section's text: a doubled Quote stands for one.
    virtual std::string UnescapeQuoted(const std::string &Text, char Quote) const;
    //! A string value as a literal of the dialect: in string quotes, inner quotes doubled.
    virtual std::string QuoteString(const std::string &Value) const;
    //! Whether a comment starts at the 1-based position P, outside quoted sections: "--" or a
    //! dialect's other line comment, which runs to the end of its line, or "/*", to the next "*/".
    virtual bool IsCommentStart(int P) const;

    //! Parentheses deeper than this end the parse with an error instead of exhausting the stack.
    static constexpr int MaxLevel = 256;

private:
    struct TStep;
    void ScanOne(TStep &Step);
    void FinishWord(std::string &Result, bool Quoted);
    void UpdateLevel(const TStep &Step);
    void RecomputeLinePosition();
    int ExponentEnd(int P) const;
    int CommentEnd(int P) const;
    void SkipComment();

    TTokenKind FTokenKind = tkUnknown;
    std::unique_ptr<TStringList> FKeywords;
    std::unique_ptr<TStringList> FFunctions;
    //! The same words, for look-ups: kept in step by every way the lists change.
    TKRWordSet FKeywordSet;
    TKRWordSet FFunctionSet;
    TKRWordSet FOperationSet;
    int FLine = 1;
    int FColumn = 1;
    int FBlankCount = 0;
    bool FEmptyLiteralPending = false;
    bool FQuoteIdentifiers = true;
    std::unique_ptr<TStringList> FOperations;
    char FTokenQuote = '\0';
    int FTokenStart = 1;
};

} // namespace korvan
