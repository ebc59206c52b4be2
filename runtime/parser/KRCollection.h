// The bases of every model list: items and collections that know the parser they belong to.
#pragma once

#include "framework/KRCollectionBase.h"
#include "framework/KRStrings.h"

#include <string>

namespace korvan {

class TKRSelectParser;

/*!
 * Text rules shared by the model. Each takes the parser the calling object belongs to and returns
 * the text unchanged when there is none.
 */
namespace KRModelText {
//! Keywords and function names in the letter case of the parser's script format.
std::string ProcessKeyword(const TKRSelectParser *Parser, const std::string &Word);
std::string ProcessFunction(const TKRSelectParser *Parser, const std::string &Name);
//! A possibly dotted name quoted for output; a Paradox-style file name (".db") is quoted whole.
std::string ProcessName(const TKRSelectParser *Parser, const std::string &Name);
//! One part of a name: a part that holds "." (only a quoted name can) is quoted as one part.
std::string ProcessNamePart(const TKRSelectParser *Parser, const std::string &Name);
//! An output alias: processed as a name where the dialect wants that, else quoted only when it
//! would not read back as an alias (not an identifier, or a keyword or function word).
std::string ProcessAlias(const TKRSelectParser *Parser, const std::string &Alias);
//! A string value in the dialect's literal notation: 'It''s'.
std::string QuoteString(const TKRSelectParser *Parser, const std::string &Value);
} // namespace KRModelText

//! An item that reaches its parser's name quoting and letter-case rules.
class TKRCollectionItem : public TCollectionItem
{
public:
    explicit TKRCollectionItem(TCollection *Collection);

    //! Not owned; may be null.
    TKRSelectParser *Parser() const { return FParser; }
    virtual void SetParser(TKRSelectParser *Value);
    //! From another TKRCollectionItem copies only the parser, unless this item is in a list with
    //! a parser: then it keeps that one.
    void Assign(const TPersistent *Source) override;

    std::string ProcessName(const std::string &Name) const { return KRModelText::ProcessName(FParser, Name); }
    std::string ProcessFunction(const std::string &Name) const;
    std::string ProcessKeyword(const std::string &Word) const;

protected:
    TKRSelectParser *FParser = nullptr;
};

//! A collection whose items get its parser when they are added.
class TKRCollection : public TCollection
{
public:
    explicit TKRCollection(TCollectionItemClass AItemClass, TPersistent *Owner = nullptr);

    TKRSelectParser *Parser() const { return FParser; }
    //! Stores the parser and hands it to every item.
    virtual void SetParser(TKRSelectParser *Value);

    TKRCollectionItem *Add();
    TKRCollectionItem *Insert(int Index);
    TKRCollectionItem *Items(int Index) const
    {
        return static_cast<TKRCollectionItem *>(TCollection::Items(Index));
    }
    //! Copies Value into the item at Index, unless it is that item.
    void SetItems(int Index, const TKRCollectionItem *Value);
    //! The copied items belong to this list's parser, not to the source's.
    void Assign(const TPersistent *Source) override;

    std::string ProcessKeyword(const std::string &Word) const;

protected:
    TKRSelectParser *FParser = nullptr;
};

//! A string list bound to a parser for name quoting; the parser is fixed when it is created.
class TKRStringList : public TStringList
{
public:
    explicit TKRStringList(TKRSelectParser *Parser);

    TKRSelectParser *Parser() const { return FParser; }
    std::string ProcessName(const std::string &Name) const;
    std::string ProcessKeyword(const std::string &Word) const;

private:
    TKRSelectParser *FParser;
};

} // namespace korvan
