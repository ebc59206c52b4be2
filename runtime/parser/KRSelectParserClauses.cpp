// TKRSelectParser: the clause state machine and the handlers of SELECT, FROM, JOIN, WHERE,
// GROUP BY, HAVING and ORDER BY.
#include "framework/KRText.h"
#include "parser/KRJoinDefs.h"
#include "parser/KRSelectParser.h"

#include <algorithm>
#include <unordered_set>

namespace korvan {

namespace {

//! The items of List in upper case: an item SameText to one of them is in the list.
std::unordered_set<std::string> UpperCaseSet(const TStrings &List)
{
    std::unordered_set<std::string> Result;
    for (int I = 0; I < List.Count(); ++I)
        Result.insert(AnsiUpperCase(List.Strings(I)));
    return Result;
}

bool IsDelimToken(const TKRSQLScanner &Scanner, const char *Text)
{
    return Scanner.TokenKind() == tkDelim && Scanner.Token() == Text;
}

bool IsWord(const TKRSQLScanner &Scanner, const char *Word)
{
    return SameText(Scanner.Token(), Word) && Scanner.TokenQuote() == '\0';
}

bool IsTableNameToken(const TKRSQLScanner &Scanner)
{
    const TTokenKind Kind = Scanner.TokenKind();
    return (Kind == tkIdent || Kind == tkIdentString || Kind == tkString) && !Scanner.Token().empty();
}

} // namespace

// The statement is read into a model of its own, which replaces the last one only when the whole
// statement was read: a typo leaves the model, and whatever refers to its objects, as it was.
void TKRSelectParser::SetExpression(const std::string &Text)
{
    FScanner->SetExpression(Text);
    if (FScanner->TokenKind() == tkEnd) {
        Clear();
        return;
    }
    SaveModel();
    try {
        DoParse();
    } catch (...) {
        RestoreModel();
        throw;
    }
    if (ModelSaved())
        TakeReadModel();
}

void TKRSelectParser::ProcessError(const std::string &Token, int Line, int Column)
{
    EKRParserError Error(Token.empty() ? 2 : 1, Token, Line, Column - static_cast<int>(Token.size()));
    if (FOnParserError) {
        FOnParserError(this, Error.Message(), Token, Error.LineNo(), Error.LinePos());
        return;
    }
    throw Error;
}

void TKRSelectParser::DoParse()
{
    const std::string Text = FScanner->Expression();
    Clear();
    FFromEntries.clear();
    FFromSet.clear();
    FFromAliases.clear();
    FState = ssBegin;
    FScanner->SetExpression(Text);
    while (FState != ssError && FState != ssEnd) {
        switch (FState) {
        case ssBegin:
            DoParseBegin();
            break;
        case ssSelect:
            DoParseSelectClause();
            break;
        case ssFieldDefs:
            DoParseFieldDefs();
            break;
        case ssInto:
            DoParseIntoClause();
            break;
        case ssFrom:
            DoParseFromClause();
            break;
        case ssTableDefs:
            DoParseTableDefs();
            break;
        case ssWhere:
            DoParseWhereClause();
            break;
        case ssGroupBy:
            DoParseGroupByClause();
            break;
        case ssHaving:
            DoParseHavingClause();
            break;
        case ssOrderBy:
            DoParseOrderByClause();
            break;
        case ssAppendix:
            DoParseAppendix();
            break;
        default:
            FState = ssError;
        }
        if (FState == ssError)
            break;
        if (FScanner->TokenKind() == tkEnd)
            FState = ssEnd;
        else if (FState != ssFieldDefs && FState != ssTableDefs && FState != ssAppendix)
            FScanner->GetNextToken();
    }
    if (FState == ssError) {
        // The error is reported with the last statement's model back in place.
        if (ModelSaved())
            RestoreModel();
        ProcessError(FScanner->Token(), FScanner->Line(), FScanner->Column());
    } else
        FTableDefs->UpdateFieldAliases();
}

void TKRSelectParser::DoParseBegin()
{
    FState = IsWord(*FScanner, "SELECT") ? ssSelect : ssError;
}

void TKRSelectParser::DoParseSelectClause()
{
    SetDistinct(IsWord(*FScanner, "DISTINCT"));
    if (Distinct())
        FScanner->GetNextToken();
    const bool Star = FScanner->Token() == "*" && FScanner->TokenKind() == tkOperation;
    FState = Star || IsValueStart() ? ssFieldDefs : ssError;
}

void TKRSelectParser::DoParseIntoClause()
{
    FState = ssError;
}

void TKRSelectParser::DoParseFieldDefs()
{
    while (FState == ssFieldDefs) {
        if (FScanner->TokenKind() == tkEnd)
            FState = ssEnd;
        else if (FScanner->TokenKind() == tkKeyword && !IsValueStart()) {
            // A statement without FROM may still have the later clauses: SELECT 1 WHERE ...
            if (IsWord(*FScanner, "FROM"))
                FState = ssFrom;
            else {
                FState = NextClause(ssFieldDefs);
                if (FState == ssAppendix)
                    FState = ssError;
            }
        } else {
            DoParseFieldDef();
            if (FState == ssError)
                break;
            // SELECT a) FROM t: the ")" belongs to nothing.
            if (FHandedBack) {
                FState = ssError;
                break;
            }
            if (IsDelimToken(*FScanner, ",")) {
                FScanner->GetNextToken();
                // A comma needs a field after it.
                if (FScanner->TokenKind() == tkEnd || (FScanner->TokenKind() == tkKeyword && !IsValueStart()))
                    FState = ssError;
            }
        }
    }
    if (FState == ssError)
        FTableDefs->Clear();
}

void TKRSelectParser::DoParseFieldDef()
{
    TKRFieldDef Field;
    Field.SetParser(this);
    TKRTableDef *Table = DoParseExpression(&Field, TTokenKinds{ tkKeyword }, "AS", false);
    if (FState == ssError)
        return;
    // A computed column read without an alias gets the next free generated one once placed.
    if (!FAliased && Field.Kind() != fkIdentifier && Field.Kind() != fkUnknown)
        Field.SetAlias("");
    PlaceField(Field, Table);
}

// Puts a copy of a field read from the SELECT list into the table its qualifier names. A field read
// without one goes to the definition without name and alias that such fields share; which table it
// belongs to is settled once the FROM clause is read (FinishFromClause).
void TKRSelectParser::PlaceField(const TKRFieldDef &Field, TKRTableDef *Table)
{
    if (Table == nullptr) {
        Table = FTableDefs->FindByAlias("");
        if (Table == nullptr || !Table->Name().empty())
            Table = FTableDefs->Add();
    }
    TKRFieldDef *Copy = Table->FieldDefs()->Add();
    Copy->Assign(&Field);
    const bool Computed = Field.Kind() != fkIdentifier && Field.Kind() != fkUnknown;
    if (Computed && Field.Alias().empty())
        Copy->SetAlias(FTableDefs->GetUniqueAlias("FIELD_", true));
}

void TKRSelectParser::DoParseFromClause()
{
    FState = IsTableNameToken(*FScanner) ? ssTableDefs : ssError;
}

void TKRSelectParser::DoParseTableDefs()
{
    while (FState != ssError && FState != ssEnd && (FState < ssWhere || FState > ssAppendix)) {
        if (FScanner->TokenKind() == tkEnd)
            FState = ssEnd;
        else if ((IsJoinDef(FScanner->Token()) || IsWord(*FScanner, "JOIN"))
                && FScanner->TokenQuote() == '\0') {
            DoParseJoinDef();
            if (FState != ssError && IsDelimToken(*FScanner, ",")) {
                FScanner->GetNextToken();
                if (!IsTableNameToken(*FScanner))
                    FState = ssError;
            }
        } else if (FScanner->TokenKind() != tkKeyword) {
            DoParseTableDef();
            if (FState != ssError && IsDelimToken(*FScanner, ",")) {
                FScanner->GetNextToken();
                if (!IsTableNameToken(*FScanner))
                    FState = ssError;
            }
        } else
            FState = NextClause(ssTableDefs);
    }
    if (FState == ssError)
        FTableDefs->Clear();
    else
        FinishFromClause();
}

bool TKRSelectParser::IsEntryEnd() const
{
    const TTokenKind Kind = FScanner->TokenKind();
    return Kind == tkEnd || Kind == tkKeyword || IsDelimToken(*FScanner, ",")
            || ((IsJoinDef(FScanner->Token()) || IsWord(*FScanner, "JOIN"))
                    && FScanner->TokenQuote() == '\0');
}

// The definition a FROM entry takes over: the one the SELECT list made for its alias, else the one
// unqualified fields or a "*" made, else a new one.
TKRTableDef *TKRSelectParser::TakeTableDef(const std::string &Key)
{
    const auto Claimed = [this](const TKRTableDef *Def) { return FFromSet.count(Def) > 0; };
    // The first definition of the alias is nearly always the one; the scans are for the rest.
    if (TKRTableDef *First = FTableDefs->FindByAlias(Key)) {
        if (!Claimed(First))
            return First;
        for (int I = 0; I < FTableDefs->Count(); ++I) {
            TKRTableDef *Def = FTableDefs->Items(I);
            if (Def->Alias() == Key && !Claimed(Def))
                return Def;
        }
    }
    if (TKRTableDef *First = FTableDefs->FindByAlias("")) {
        if (First->Name().empty() && !Claimed(First))
            return First;
        for (int I = 0; I < FTableDefs->Count(); ++I) {
            TKRTableDef *Def = FTableDefs->Items(I);
            if (Def->Name().empty() && Def->Alias().empty() && !Claimed(Def))
                return Def;
        }
    }
    return FTableDefs->Add();
}

// table [[AS] alias] | proc(args) [[AS] alias]
void TKRSelectParser::DoParseTableDef()
{
    const TKRScanMark EntryStart = FScanner->Mark();
    // FROM ONLY t, FROM LATERAL f(x): words in front of a table that the model has no place for.
    if ((IsWord(*FScanner, "ONLY") || IsWord(*FScanner, "LATERAL")) && IsTableNameToken(*FScanner)) {
        const TKRScanMark Next = FScanner->PeekNext();
        if (Next.TokenKind == tkIdent || Next.TokenKind == tkIdentString || Next.TokenKind == tkFunction
                || (Next.TokenQuote == '\0' && Next.Token == "(")) {
            FState = ssError;
            return;
        }
    }
    std::string Name;
    if (!ReadNameList(Name))
        return;

    TKRTableDef Params;
    Params.SetParser(this);
    const bool Procedure = IsDelimToken(*FScanner, "(");
    if (Procedure) {
        FLastTableName = Name;
        FProcParams = &Params;
        FScanner->GetNextToken();
        DoParseProcParams();
        FProcParams = nullptr;
        if (FState == ssError)
            return;
        if (!IsDelimToken(*FScanner, ")")) {
            FState = ssError;
            return;
        }
        FScanner->GetNextToken();
    }

    std::string Alias;
    if (IsWord(*FScanner, "AS") && FScanner->TokenKind() == tkKeyword) {
        FScanner->GetNextToken();
        if (!IsTableNameToken(*FScanner)) {
            FState = ssError;
            return;
        }
    }
    // A quoted ";" is a name like any other, not the end of the statement.
    if (!IsEntryEnd() && !(FScanner->Token() == ";" && FScanner->TokenQuote() == '\0')) {
        // FROM a CROSS JOIN b, a NATURAL JOIN b: joins the model has no place for, not aliases.
        const bool JoinWord = FScanner->TokenQuote() == '\0'
                && (IsWord(*FScanner, "CROSS") || IsWord(*FScanner, "NATURAL")) && NextIs("JOIN");
        if (!IsTableNameToken(*FScanner) || JoinWord) {
            FState = ssError;
            return;
        }
        Alias = NamePart(GetTokenName());
        FScanner->GetNextToken();
    }
    const std::string Key = Alias.empty() ? Name : Alias;
    // FROM t, t names one table twice: no column of it could be told apart.
    if (FFromAliases.count(Key) > 0) {
        FScanner->Restore(EntryStart);
        FState = ssError;
        return;
    }
    TKRTableDef *Def = TakeTableDef(Key);
    Def->SetName(Name);
    if (!Alias.empty())
        Def->SetAlias(Alias);
    if (Procedure) {
        Def->SetTableType(qttStoredProc);
        Def->SetEmptyCall(Params.FieldDefs()->Count() == 0);
        for (int I = 0; I < Params.FieldDefs()->Count(); ++I)
            Def->FieldDefs()->Add()->Assign(Params.FieldDefs()->Items(I));
    }
    FFromEntries.push_back(Def);
    FFromSet.insert(Def);
    FFromAliases.insert(Def->Alias());
    FLastTableName = Name;
    FLastTableAlias = Key;
    // A further word must start a join.
    if (!IsEntryEnd())
        FState = ssError;
}

// :name | literal | expression, separated by commas, up to the ")".
void TKRSelectParser::DoParseProcParams()
{
    TKRTableDef *Target = FProcParams;
    if (Target == nullptr) {
        Target = FTableDefs->FindByName(FLastTableName);
        if (Target == nullptr) {
            Target = FTableDefs->Add();
            Target->SetName(FLastTableName);
        }
        Target->SetTableType(qttStoredProc);
    }
    while (FScanner->TokenKind() != tkEnd && !IsDelimToken(*FScanner, ")")) {
        TKRFieldDef *Param = Target->FieldDefs()->Add();
        if (IsDelimToken(*FScanner, ":"))
            FScanner->GetNextToken();
        const std::string Raw = GetTokenName();
        DoParseExpression(Param, TTokenKinds{}, "", true);
        if (FState == ssError)
            return;
        // A parameter is kept as written, without its marker and unquoted.
        if (Param->Kind() == fkIdentifier && Param->Name() == KRModelText::ProcessNamePart(this, Raw))
            Param->SetName(Raw);
        Param->SetParamType(ptInput);
        if (FHandedBack)
            continue;
        if (!IsDelimToken(*FScanner, ",")) {
            FState = ssError;
            return;
        }
        FScanner->GetNextToken();
        if (IsDelimToken(*FScanner, ")")) {
            FState = ssError;
            return;
        }
    }
}

// [INNER | LEFT [OUTER] | RIGHT [OUTER] | FULL [OUTER]] JOIN table ON comparisons
void TKRSelectParser::DoParseJoinDef()
{
    TKRJoinKind Kind = krjInnerJoin;
    if (IsWord(*FScanner, "LEFT"))
        Kind = krjLOuterJoin;
    else if (IsWord(*FScanner, "RIGHT"))
        Kind = krjROuterJoin;
    else if (IsWord(*FScanner, "FULL"))
        Kind = krjFOuterJoin;
    // A bare JOIN is an inner join.
    if (!IsWord(*FScanner, "JOIN"))
        FScanner->GetNextToken();
    if (Kind != krjInnerJoin && IsWord(*FScanner, "OUTER"))
        FScanner->GetNextToken();
    if (!IsWord(*FScanner, "JOIN") || FFromEntries.empty()
            || FTableDefs->FindByAlias(FLastTableAlias) == nullptr) {
        FState = ssError;
        return;
    }
    FScanner->GetNextToken();
    if (!IsTableNameToken(*FScanner)) {
        FState = ssError;
        return;
    }
    DoParseTableDef();
    if (FState == ssError)
        return;
    if (!IsWord(*FScanner, "ON")) {
        FState = ssError;
        return;
    }
    FScanner->GetNextToken();
    ReadJoinComparisons(Kind);
}

// q.f: the field and the qualifier right before it. Only a name with a qualifier can be told apart.
bool TKRSelectParser::ReadJoinField(std::string &Qualifier, std::string &Field)
{
    Qualifier.clear();
    for (;;) {
        if (!IsTableNameToken(*FScanner) && FScanner->TokenKind() != tkFunction)
            return Fail();
        Field = NamePart(GetTokenName());
        FScanner->GetNextToken();
        if (!IsDelimToken(*FScanner, ".") || FScanner->BlankCount() > 0)
            break;
        Qualifier = Field;
        FScanner->GetNextToken();
    }
    return !Qualifier.empty() || Fail();
}

// ON [(] q.f op q.f [)] {AND [(] q.f op q.f [)]}: comparisons of a column of the joined table with a
// column of one table read before it, the same table in each; every comparison is one join
// definition, stored on that table. Anything else the model could not hold: OR, a literal, a word
// after a field (ON t.a = u.b c), a comparison of another pair of tables.
void TKRSelectParser::ReadJoinComparisons(TKRJoinKind Kind)
{
    int Depth = 0;
    std::string Owner;
    for (;;) {
        while (IsDelimToken(*FScanner, "(")) {
            ++Depth;
            FScanner->GetNextToken();
        }
        const TKRScanMark Start = FScanner->Mark();
        std::string Qualifier[2];
        std::string Field[2];
        if (!ReadJoinField(Qualifier[0], Field[0]))
            return;
        if (FScanner->TokenKind() != tkComparison) {
            FState = ssError;
            return;
        }
        std::string Operation = FScanner->Token();
        FScanner->GetNextToken();
        if (FScanner->TokenKind() == tkComparison && FScanner->BlankCount() == 0) {
            Operation += FScanner->Token();
            FScanner->GetNextToken();
        }
        if (!ReadJoinField(Qualifier[1], Field[1]))
            return;
        // The side whose qualifier is the joined table is the joined side.
        const bool JoinedFirst = Qualifier[0] == FLastTableAlias;
        const int Own = JoinedFirst ? 1 : 0;
        TKRTableDef *OwnerDef = FTableDefs->FindByAlias(Qualifier[Own]);
        const bool Pair = Qualifier[1 - Own] == FLastTableAlias && Qualifier[Own] != FLastTableAlias
                && OwnerDef != nullptr && (Owner.empty() || Owner == Qualifier[Own]);
        if (!Pair) {
            FScanner->Restore(Start);
            FState = ssError;
            return;
        }
        Owner = Qualifier[Own];
        TKRJoinDef *Join = OwnerDef->JoinDefs()->Add();
        Join->SetFieldName(Field[Own]);
        Join->SetJoinTable(Qualifier[1 - Own]);
        Join->SetJoinFieldName(Field[1 - Own]);
        // ON u.b < t.a, written from the other side, is t.a > u.b.
        Join->SetOperation(JoinedFirst ? KRMirrorComparison(Operation) : Operation);
        Join->SetJoinKind(Kind);
        while (Depth > 0 && IsDelimToken(*FScanner, ")")) {
            --Depth;
            FScanner->GetNextToken();
        }
        if (IsWord(*FScanner, "AND") && FScanner->TokenKind() == tkKeyword) {
            FScanner->GetNextToken();
            continue;
        }
        // The comparisons end where the FROM entry does, with every parenthesis closed.
        if (Depth > 0 || !IsEntryEnd() || IsWord(*FScanner, "OR"))
            FState = ssError;
        return;
    }
}

namespace {

//! Fields of one table back in the order of the SELECT list, as a statement read afresh has them.
void SortBySelectIndex(TKRTableDef &Def)
{
    std::vector<TKRFieldDef *> Fields;
    for (int I = 0; I < Def.FieldDefs()->Count(); ++I)
        Fields.push_back(Def.FieldDefs()->Items(I));
    std::stable_sort(Fields.begin(), Fields.end(),
            [](const TKRFieldDef *A, const TKRFieldDef *B) { return A->SelectIndex() < B->SelectIndex(); });
    for (std::size_t I = 0; I < Fields.size(); ++I)
        Fields[I]->SetIndex(static_cast<int>(I));
}

//! The node and everything under it is qualified by its table again.
void Requalify(TKRFunctionDef &Node)
{
    Node.SetUnqualified(false);
    for (int I = 0; I < Node.Arguments()->Count(); ++I)
        Requalify(*Node.Arguments()->Items(I));
}

} // namespace

// After the FROM clause the definitions stand in the order of the entries, and every output field
// has its table. With one table, everything read without a qualifier is that table's. With several,
// nothing tells which table has a column read without a qualifier: it stays in the first table's
// definition and is written as read; a * read without one is every table's * in FROM order, at its
// place in the SELECT list.
void TKRSelectParser::FinishFromClause()
{
    int Position = 0;
    for (const TKRTableDef *Entry : FFromEntries) {
        for (int I = Position; I < FTableDefs->Count(); ++I)
            if (FTableDefs->Items(I) == Entry) {
                FTableDefs->Items(I)->SetIndex(Position++);
                break;
            }
    }
    std::vector<TKRTableDef *> Named;
    for (int I = 0; I < FTableDefs->Count(); ++I)
        if (!FTableDefs->Items(I)->Name().empty())
            Named.push_back(FTableDefs->Items(I));
    if (Named.empty())
        return;
    const bool Several = Named.size() > 1;
    TKRTableDef *First = Named.front();

    std::vector<TKRFieldDef *> Final;
    std::vector<TKRFieldDef *> Gone;
    for (TKRFieldDef *Field : FTableDefs->SelectList()) {
        TKRTableDef *Def = Field->TableDef();
        // A definition no FROM entry named, made for unqualified fields. One made for a qualifier
        // that names no table keeps it: item.name may be a field of a column item.
        const bool Loose = Def->Name().empty() && Def->Alias().empty();
        if (Field->IsStar() && (Field->Unqualified() || Loose)) {
            for (TKRTableDef *Target : Named) {
                TKRFieldDef *Star = Target == Def ? Field : Target->FieldDefs()->Add();
                Star->SetUnqualified(false);
                Final.push_back(Star);
            }
            if (Def->Name().empty())
                Gone.push_back(Field);
            continue;
        }
        if (Loose || (Several && Field->Unqualified()))
            Field->SetCollection(First->FieldDefs());
        Final.push_back(Field);
    }
    for (TKRFieldDef *Field : Gone)
        delete Field;
    for (int I = FTableDefs->Count() - 1; I >= 0; --I) {
        TKRTableDef *Def = FTableDefs->Items(I);
        if (Def->Name().empty() && Def->Alias().empty() && Def->FieldDefs()->Count() == 0)
            delete Def;
    }
    for (std::size_t I = 0; I < Final.size(); ++I)
        Final[I]->SetSelectIndex(static_cast<int>(I));
    for (TKRTableDef *Def : Named) {
        SortBySelectIndex(*Def);
        if (!Several)
            for (int I = 0; I < Def->FieldDefs()->Count(); ++I)
                Requalify(*Def->FieldDefs()->Items(I));
    }
}

void TKRSelectParser::DoParseWhereClause()
{
    DoParseCriterions(FWhereItems.get());
    if (FState != ssError)
        FState = NextClause(ssWhere);
}

// The clause that the current word starts, among those that may follow Current: WHERE, GROUP BY,
// HAVING, ORDER BY in this order (GROUP and ORDER are consumed when BY follows). The end of the
// statement ends it; any other token is left to DoParseAppendix.
TKRSelectState TKRSelectParser::NextClause(TKRSelectState Current)
{
    if (FScanner->TokenKind() == tkEnd)
        return ssEnd;
    if (Current < ssWhere && IsWord(*FScanner, "WHERE"))
        return ssWhere;
    if (Current < ssGroupBy && IsWord(*FScanner, "GROUP") && SameText(FScanner->GetTokenPlus(), "BY")) {
        FScanner->GetNextToken();
        return ssGroupBy;
    }
    if (Current < ssHaving && IsWord(*FScanner, "HAVING"))
        return ssHaving;
    if (Current < ssOrderBy && IsWord(*FScanner, "ORDER") && SameText(FScanner->GetTokenPlus(), "BY")) {
        FScanner->GetNextToken();
        return ssOrderBy;
    }
    return ssAppendix;
}

// Gathers one plain or dotted name: a, t.a, "My Table"."My Col". A part holding a dot keeps its
// quotes so that it stays one part.
bool TKRSelectParser::ReadNameList(std::string &Item)
{
    Item.clear();
    for (;;) {
        if (!IsTableNameToken(*FScanner) && FScanner->TokenKind() != tkFunction)
            return Fail();
        Item += NamePart(GetTokenName());
        FScanner->GetNextToken();
        if (!IsDelimToken(*FScanner, "."))
            return true;
        Item += ".";
        FScanner->GetNextToken();
    }
}

// GROUP BY entries are kept as read, after the ones the select list implies (see TKRGroupByItems).
void TKRSelectParser::DoParseGroupByClause()
{
    for (;;) {
        std::string Item;
        bool Expression = false;
        if (!ReadListItem(Item, Expression, false))
            return;
        FGroupByItems->AddRead(Item, Expression);
        if (!IsDelimToken(*FScanner, ","))
            break;
        FScanner->GetNextToken();
    }
    FState = NextClause(ssGroupBy);
}

// One GROUP BY or ORDER BY entry: a plain or dotted name is kept as a name, which the writer quotes
// as names are; anything else (a position, a call, an expression) as the text its model writes.
// The entry must end at a ",", a keyword or the end (ASC and DESC are keywords).
bool TKRSelectParser::ReadListItem(std::string &Item, bool &Expression, bool Sorting)
{
    const auto Ends = [this, Sorting] {
        const TTokenKind Kind = FScanner->TokenKind();
        return IsDelimToken(*FScanner, ",") || Kind == tkKeyword || Kind == tkEnd
                || (Sorting && (IsWord(*FScanner, "ASC") || IsWord(*FScanner, "DESC")));
    };
    const TTokenKind Kind = FScanner->TokenKind();
    const bool Name =
            (Kind == tkIdent || Kind == tkFunction
                    || (Kind == tkIdentString && FScanner->TokenQuote() != FScanner->GetStringQuote()))
            && !FScanner->Token().empty() && !IsLiteralWord();
    if (Name) {
        const TKRScanMark Start = FScanner->Mark();
        if (!ReadNameList(Item))
            return false;
        if (Ends()) {
            Expression = false;
            return true;
        }
        FScanner->Restore(Start);
    }
    TKRFunctionDef Node;
    Node.SetParser(this);
    DoParseExpression(&Node, TTokenKinds{ tkKeyword }, "", true);
    if (FState == ssError)
        return false;
    if (FHandedBack || !Ends())
        return Fail();
    Item = Node.GetScript();
    Expression = true;
    return true;
}

void TKRSelectParser::DoParseHavingClause()
{
    DoParseCriterions(FHavingItems.get());
    if (FState != ssError)
        FState = NextClause(ssHaving);
}

void TKRSelectParser::DoParseOrderByClause()
{
    std::unordered_set<std::string> Listed = UpperCaseSet(*FOrderByItems);
    for (;;) {
        std::string Item;
        bool Expression = false;
        if (!ReadListItem(Item, Expression, true))
            return;
        TKROrderKind Kind = okAsc;
        if (IsWord(*FScanner, "ASC") || IsWord(*FScanner, "DESC")) {
            Kind = IsWord(*FScanner, "DESC") ? okDesc : okAsc;
            FScanner->GetNextToken();
        }
        if (!IsDelimToken(*FScanner, ",") && FScanner->TokenKind() != tkKeyword
                && FScanner->TokenKind() != tkEnd) {
            FState = ssError;
            return;
        }
        if (Listed.insert(AnsiUpperCase(Item)).second) {
            if (Expression)
                FOrderByItems->AddExpression(Item, Kind);
            else
                FOrderByItems->AddOrdered(Item, Kind);
        }
        if (!IsDelimToken(*FScanner, ","))
            break;
        FScanner->GetNextToken();
    }
    FState = NextClause(ssOrderBy);
}

void TKRSelectParser::DoParseAppendix()
{
    FState = ssError;
}

} // namespace korvan
