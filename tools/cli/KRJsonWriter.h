// The query model as JSON, for programs that drive the command-line tools.
#pragma once

#include "parser/KRSelectParser.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvan {

/*!
 * Writes one JSON document, indented by two blanks per level, one member or element per line;
 * an empty array is written as []. Strings are escaped as JSON requires and otherwise passed
 * through byte for byte, so UTF-8 text stays as it is; control characters and every byte that is
 * not part of well-formed UTF-8 are written as \u00XX of the byte's value.
 */
class TKRJsonWriter
{
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    //! The name of the next member; its value follows with one of the value calls.
    void Key(std::string_view Name);
    void String(std::string_view Value);
    void Number(int Value);
    void Boolean(bool Value);
    void Null();

    //! The document so far; complete, with its closing line break, once the outermost value ends.
    const std::string &Text() const { return FText; }

private:
    void BeginValue();
    void Open(char Bracket);
    void Close(char Bracket);
    void NewLine();
    void AppendQuoted(std::string_view Value);

    std::string FText;
    //! Per open object or array, the members or elements written so far.
    std::vector<int> FLevels;
    bool FAfterKey = false;
};

//! The model of Parser (after SetExpression) as one JSON object, with the dialect the dialect list
//! names for it (null for a parser class the list does not hold). Not const: the GROUP BY list is
//! derived from the select list first.
std::string ModelToJson(TKRSelectParser &Parser);
//! The same object as the next value of Json, so that several models can go into one array.
void WriteModel(TKRJsonWriter &Json, TKRSelectParser &Parser);

} // namespace korvan
