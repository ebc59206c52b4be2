// TKRSelectParser: the clause state machine and the handlers of SELECT, FROM, JOIN, WHERE,
// GROUP BY, HAVING and ORDER BY.
#include "framework/KRText.h"
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

//! < and >, <= and >= change places when the two sides of a comparison do.
std::string Mirror(const std::string &Operation)
{
    if (Operation == "<")
        return ">";
    if (Operation == ">")
        return "<";
    if (Operation == "<=")
        return ">=";
    if (Operation == ">=")
        return "<=";
    return Operation;
}

} // namespace

void TKRSelectParser::SetExpression(const std::string &Text)
{
    FScanner->SetExpression(Text);
    if (FScanner->TokenKind() == tkEnd)
        Clear();
    else
        DoParse();
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
    FUnqualified.clear();
    FStarRead = false;
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
    FUnqualified.clear();
    if (FState == ssError)
        ProcessError(FScanner->Token(), FScanner->Line(), FScanner->Column());
    else
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
    const TTokenKind Kind = FScanner->TokenKind();
    const bool Star = FScanner->Token() == "*" && Kind == tkOperation;
    const bool Operand = Kind == tkFunction || Kind == tkInteger || Kind == tkFloat || Kind == tkString
            || Kind == tkIdent || Kind == tkIdentString;
    FState = Star || Operand ? ssFieldDefs : ssError;
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
        else if (FScanner->TokenKind() == tkKeyword) {
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
                if (FScanner->TokenKind() == tkEnd || FScanner->TokenKind() == tkKeyword)
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

// Puts a copy of a field read from the SELECT list into the table its qualifier names; an
// unqualified field goes to the table made for such fields, or to every table known.
void TKRSelectParser::PlaceField(const TKRFieldDef &Field, TKRTableDef *Table)
{
    const bool Unqualified = Table == nullptr;
    std::vector<TKRTableDef *> Targets;
    if (Table == nullptr) {
        Table = FTableDefs->FindByAlias("");
        if (Table == nullptr && FTableDefs->Count() == 0)
            Table = FTableDefs->Add();
    }
    const bool Computed = Field.Kind() != fkIdentifier && Field.Kind() != fkUnknown;
    if (Table != nullptr)
        Targets.push_back(Table);
    else
        // A computed column is one column of the statement: it goes to the first table only.
        for (int I = 0; I < (Computed ? std::min(1, FTableDefs->Count()) : FTableDefs->Count()); ++I)
            Targets.push_back(FTableDefs->Items(I));
    for (TKRTableDef *Target : Targets) {
        TKRFieldDef *Copy = Target->FieldDefs()->Add();
        Copy->Assign(&Field);
        if (Computed && Field.Alias().empty())
            Copy->SetAlias(FTableDefs->GetUniqueAlias("FIELD_", true));
        if (Unqualified)
            FUnqualified.push_back(Copy);
    }
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
        else if (IsJoinDef(FScanner->Token()) && FScanner->TokenQuote() == '\0') {
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
            || (IsJoinDef(FScanner->Token()) && FScanner->TokenQuote() == '\0');
}

// The definition a FROM entry takes over: the one the SELECT list made for its alias, else the one
// unqualified fields or a "*" made, else a new one (which, standing alone, takes the previous
// entry's plain unqualified fields, as SELECT a, b FROM t1, t2 reads a and b of both).
TKRTableDef *TKRSelectParser::TakeTableDef(const std::string &Key, bool StandAlone)
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
    TKRTableDef *Previous = FTableDefs->FindByAlias(FLastTableAlias);
    TKRTableDef *Def = FTableDefs->Add();
    if (StandAlone && Previous != nullptr) {
        const TKRFieldDefs &Fields = *Previous->FieldDefs();
        for (int I = 0; I < Fields.Count(); ++I) {
            const TKRFieldDef *Field = Fields.Items(I);
            const bool Plain = Field->Kind() == fkIdentifier || Field->IsStar();
            if (Plain && std::find(FUnqualified.begin(), FUnqualified.end(), Field) != FUnqualified.end()) {
                TKRFieldDef *Copy = Def->FieldDefs()->Add();
                Copy->Assign(Field);
                FUnqualified.push_back(Copy);
            }
        }
    }
    return Def;
}

// table [[AS] alias] | proc(args) [[AS] alias]
void TKRSelectParser::DoParseTableDef()
{
    const TKRScanMark EntryStart = FScanner->Mark();
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
        if (!IsTableNameToken(*FScanner)) {
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
    TKRTableDef *Def = TakeTableDef(Key, Alias.empty());
    Def->SetName(Name);
    if (!Alias.empty())
        Def->SetAlias(Alias);
    if (Procedure) {
        Def->SetTableType(qttStoredProc);
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
        if (Param->Kind() == fkIdentifier && Param->Name() == KRText::ProcessNamePart(this, Raw))
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

// {INNER | LEFT [OUTER] | RIGHT [OUTER] | FULL [OUTER]} JOIN table ON [(] q.f op q.f [)]
void TKRSelectParser::DoParseJoinDef()
{
    TKRJoinKind Kind = krjInnerJoin;
    if (IsWord(*FScanner, "LEFT"))
        Kind = krjLOuterJoin;
    else if (IsWord(*FScanner, "RIGHT"))
        Kind = krjROuterJoin;
    else if (IsWord(*FScanner, "FULL"))
        Kind = krjFOuterJoin;
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

    // One comparison: the side whose qualifier is the joined table is the joined side.
    std::string Operation;
    std::string Qualifier[2];
    std::string Field[2];
    int Side = 0;
    bool JoinedFirst = false;
    int Depth = 0;
    for (;;) {
        const TTokenKind TokenKind = FScanner->TokenKind();
        if (TokenKind == tkEnd) {
            if (Depth > 0)
                FState = ssError;
            break;
        }
        if (IsDelimToken(*FScanner, "(")) {
            ++Depth;
            FScanner->GetNextToken();
            continue;
        }
        if (IsDelimToken(*FScanner, ")") || TokenKind == tkKeyword
                || (Depth == 0 && (IsDelimToken(*FScanner, ",") || IsJoinDef(FScanner->Token()))))
            break;
        if (TokenKind == tkComparison) {
            if (Side > 0 || Field[0].empty()) {
                FState = ssError;
                return;
            }
            JoinedFirst = Qualifier[0] == FLastTableAlias;
            Operation += FScanner->Token();
            FScanner->GetNextToken();
            if (FScanner->TokenKind() == tkComparison && FScanner->BlankCount() == 0) {
                Operation += FScanner->Token();
                FScanner->GetNextToken();
            }
            Side = 1;
            continue;
        }
        if (!IsTableNameToken(*FScanner) && TokenKind != tkFunction) {
            FState = ssError;
            return;
        }
        const std::string Word = NamePart(GetTokenName());
        FScanner->GetNextToken();
        if (IsDelimToken(*FScanner, ".") && FScanner->BlankCount() == 0) {
            Qualifier[Side] = Word;
            FScanner->GetNextToken();
        } else
            Field[Side] = Word;
    }
    if (FState == ssError)
        return;
    if (Operation.empty() || Field[0].empty() || Field[1].empty() || Qualifier[0].empty()
            || Qualifier[1].empty()) {
        FState = ssError;
        return;
    }
    const int Owner = JoinedFirst ? 1 : 0;
    const int Joined = 1 - Owner;
    TKRTableDef *OwnerDef = FTableDefs->FindByAlias(Qualifier[Owner]);
    if (OwnerDef == nullptr || Qualifier[Joined] != FLastTableAlias) {
        FState = ssError;
        return;
    }
    TKRJoinDef *Join = OwnerDef->JoinDefs()->Add();
    Join->SetFieldName(Field[Owner]);
    Join->SetJoinTable(Qualifier[Joined]);
    Join->SetJoinFieldName(Field[Joined]);
    // ON u.b < t.a, written from the other side, is t.a > u.b.
    Join->SetOperation(JoinedFirst ? Mirror(Operation) : Operation);
    Join->SetJoinKind(Kind);
    while (Depth > 0 && IsDelimToken(*FScanner, ")")) {
        --Depth;
        FScanner->GetNextToken();
    }
    if (Depth != 0)
        FState = ssError;
}

// After the FROM clause every definition has a name, each FROM entry has one definition, and the
// definitions stand in the order of the entries.
void TKRSelectParser::FinishFromClause()
{
    std::vector<TKRTableDef *> Named;
    std::vector<TKRTableDef *> Unnamed;
    for (int I = 0; I < FTableDefs->Count(); ++I)
        (FTableDefs->Items(I)->Name().empty() ? Unnamed : Named).push_back(FTableDefs->Items(I));

    if (!Named.empty() && !Unnamed.empty()) {
        // Fields of definitions that no FROM entry named go to the named ones, at their place in
        // the SELECT list: names and * to each, computed columns to the first.
        const std::vector<TKRFieldDef *> Order = FTableDefs->SelectList();
        std::vector<TKRFieldDef *> Final;
        for (TKRFieldDef *Field : Order) {
            if (!Field->TableDef()->Name().empty()) {
                Final.push_back(Field);
                continue;
            }
            const bool Plain = Field->Kind() == fkIdentifier || Field->IsStar();
            for (TKRTableDef *Target : Named) {
                TKRFieldDef *Copy = Target->FieldDefs()->Add();
                Copy->Assign(Field);
                Final.push_back(Copy);
                if (!Plain)
                    break;
            }
        }
        for (TKRTableDef *Def : Unnamed)
            delete Def;
        for (std::size_t I = 0; I < Final.size(); ++I)
            Final[I]->SetSelectIndex(static_cast<int>(I));
        // Each table lists its fields in SELECT order again, as a statement read afresh does.
        for (TKRTableDef *Def : Named) {
            std::vector<TKRFieldDef *> Fields;
            for (int I = 0; I < Def->FieldDefs()->Count(); ++I)
                Fields.push_back(Def->FieldDefs()->Items(I));
            std::stable_sort(Fields.begin(), Fields.end(), [](const TKRFieldDef *A, const TKRFieldDef *B) {
                return A->SelectIndex() < B->SelectIndex();
            });
            for (std::size_t I = 0; I < Fields.size(); ++I)
                Fields[I]->SetIndex(static_cast<int>(I));
        }
    }

    // An unqualified * stands for every table of the statement.
    if (FStarRead)
        for (int T = 0; T < FTableDefs->Count(); ++T) {
            TKRTableDef *Def = FTableDefs->Items(T);
            bool HasStar = false;
            for (int I = 0; I < Def->FieldDefs()->Count(); ++I)
                HasStar = HasStar || Def->FieldDefs()->Items(I)->IsStar();
            if (!Def->Name().empty() && !HasStar)
                Def->FieldDefs()->Add();
        }

    int Position = 0;
    for (const TKRTableDef *Entry : FFromEntries) {
        for (int I = Position; I < FTableDefs->Count(); ++I)
            if (FTableDefs->Items(I) == Entry) {
                FTableDefs->Items(I)->SetIndex(Position++);
                break;
            }
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

void TKRSelectParser::DoParseGroupByClause()
{
    std::unordered_set<std::string> Listed = UpperCaseSet(*FGroupByItems);
    for (;;) {
        std::string Item;
        if (!ReadNameList(Item))
            return;
        if (!IsDelimToken(*FScanner, ",") && FScanner->TokenKind() != tkKeyword
                && FScanner->TokenKind() != tkEnd) {
            FState = ssError;
            return;
        }
        if (Listed.insert(AnsiUpperCase(Item)).second)
            FGroupByItems->Add(Item);
        if (!IsDelimToken(*FScanner, ","))
            break;
        FScanner->GetNextToken();
    }
    FState = NextClause(ssGroupBy);
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
        if (!ReadNameList(Item))
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
        if (Listed.insert(AnsiUpperCase(Item)).second)
            FOrderByItems->AddOrdered(Item, Kind);
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
