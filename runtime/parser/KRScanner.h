// The character-level scanner that every SQL scanner builds on.
#pragma once

#include "framework/KRPersistent.h"

#include <string>

namespace korvan {

/*!
 * Positions are 1-based byte indexes into Expression: Position is the next byte to read, and a
 * Position past the length means the text is exhausted. Characters are single bytes; bytes above
 * 127 belong to no character class, so UTF-8 text passes through inside words and quoted sections.
 */
class TKRScanner : public TPersistent
{
public:
    TKRScanner();
    ~TKRScanner() override;

    const std::string &Expression() const { return FExpression; }
    //! Stores the text and reads its first token at once.
    void SetExpression(const std::string &Value);

    int Position() const { return FPosition; }
    //! Moves the read position; the parser uses it to step back over words it has read ahead.
    virtual void SetPosition(int Value);
    //! The length of Expression when it was set.
    int Length() const { return FLength; }

    //! The text of the current (last returned) token.
    const std::string &Token() const { return FToken; }
    //! Parenthesis nesting outside quoted sections.
    int Level() const { return FLevel; }
    //! True inside a quoted section.
    bool InString() const { return FInString; }
    //! The quote that opened the current section, '\0' outside one.
    char QuoteChar() const { return FQuoteChar; }

    virtual bool IsAlpha(char C) const;
    virtual bool IsDelim(char C) const;
    virtual bool IsDigit(char C) const;
    virtual bool IsQuote(char C) const;
    virtual bool IsSpace(char C) const;

    //! Look-ahead: the text of the token after the current one; the scan state is left as it was.
    virtual std::string GetTokenPlus();
    virtual bool ShouldLevelUp(char C) const;
    virtual bool ShouldLevelDown(char C) const;
    virtual void Init();
    //! Starts over at the first byte and returns the first token.
    virtual std::string GetFirstToken();
    virtual std::string GetNextToken() = 0;

protected:
    //! The byte at a 1-based position.
    char At(int Pos) const { return FExpression[static_cast<std::size_t>(Pos - 1)]; }
    //! The byte at a 1-based position, '\0' past either end.
    char CharAt(int Pos) const { return Pos >= 1 && Pos <= FLength ? At(Pos) : '\0'; }

    std::string FExpression;
    int FPosition = 1;
    int FLength = 0;
    std::string FToken;
    int FLevel = 0;
    bool FInString = false;
    char FQuoteChar = '\0';
};

} // namespace korvan
