#include "KRStatementFields.h"

#include "dialects/KRIBScanner.h"

#include <vector>

namespace korvan {

namespace {

//! A dotted name split into its parts, quoting undone: t.a gives {t, a}.
using TNameParts = std::vector<std::string>;

bool IsNamePartToken(const TKRSQLScanner &Scanner)
{
    switch (Scanner.TokenKind()) {
    case tkIdent:
    case tkIdentString:
    case tkUnknown:
    case tkKeyword:
    case tkFunction:
        return !Scanner.Token().empty();
    default:
        return false;
    }
}

bool IsDot(const TKRSQLScanner &Scanner)
{
    return Scanner.TokenKind() == tkDelim && Scanner.Token() == ".";
}

/*!
 * Every dotted name of Text, as the dialect's scanner reads it: quoted parts are one part each, and
 * comments and string literals are no names. A name that is called (f(...), s.f(...)), that ends
 * with a dot (t.*) or has a part that holds a dot is left out, as the model would quote that part.
 */
class TNameReader
{
public:
    explicit TNameReader(TKRSelectParser &Parser)
        : FScanner(Parser.CreateScanner())
    {
        // InterBase's server dialect decides whether double quotes enclose names or strings.
        const auto *Own = dynamic_cast<const TKRIBScanner *>(Parser.Scanner());
        if (auto *Made = dynamic_cast<TKRIBScanner *>(FScanner.get()); Own && Made)
            Made->SetDialect(Own->Dialect());
    }

    std::vector<TNameParts> Names(const std::string &Text)
    {
        FNames.clear();
        FCurrent.clear();
        try {
            for (FScanner->SetExpression(Text);
                    !(FScanner->TokenKind() == tkEnd && FScanner->Token().empty()); FScanner->GetNextToken())
                Take();
        } catch (const EKRParserError &) {
            // An unterminated literal: its names would be no names anyway.
        }
        EndName(true);
        return std::move(FNames);
    }

    const TKRSQLScanner &Scanner() const { return *FScanner; }

private:
    void Take()
    {
        if (IsNamePartToken(*FScanner)) {
            if (!FCurrent.empty() && !FAfterDot)
                EndName(true);
            const std::string Part =
                    FScanner->TokenQuote() != '\0' ? FScanner->TokenValue() : FScanner->Token();
            FBroken = FBroken || Part.find('.') != std::string::npos;
            FCurrent.push_back(Part);
            FAfterDot = false;
        } else if (IsDot(*FScanner) && FScanner->TokenQuote() == '\0' && !FCurrent.empty() && !FAfterDot) {
            FAfterDot = true;
        } else {
            EndName(!(FScanner->TokenKind() == tkDelim && FScanner->Token() == "("));
        }
    }

    void EndName(bool Keep)
    {
        if (Keep && !FCurrent.empty() && !FAfterDot && !FBroken)
            FNames.push_back(FCurrent);
        FCurrent.clear();
        FAfterDot = false;
        FBroken = false;
    }

    std::unique_ptr<TKRSQLScanner> FScanner;
    std::vector<TNameParts> FNames;
    TNameParts FCurrent;
    bool FAfterDot = false;
    bool FBroken = false;
};

//! A GROUP BY or ORDER BY entry read as a name (t.a, quoting undone): its parts, none when a part
//! is quoted because it holds a dot.
TNameParts SplitListName(const std::string &Entry, char IdentQuote)
{
    if (Entry.empty() || (IdentQuote != '\0' && Entry.find(IdentQuote) != std::string::npos))
        return {};
    TNameParts Parts;
    std::size_t Start = 0;
    for (std::size_t Dot = Entry.find('.'); Dot != std::string::npos; Dot = Entry.find('.', Start)) {
        Parts.push_back(Entry.substr(Start, Dot - Start));
        Start = Dot + 1;
    }
    Parts.push_back(Entry.substr(Start));
    for (const std::string &Part : Parts)
        if (Part.empty())
            return {};
    return Parts;
}

std::string JoinQualifier(const TNameParts &Parts)
{
    std::string Result;
    for (std::size_t I = 0; I + 1 < Parts.size(); ++I)
        Result += (I > 0 ? "." : "") + Parts[I];
    return Result;
}

class TCollector
{
public:
    TCollector(TKRSelectParser &Parser, std::map<std::string, TKRStatementTable> &Tables)
        : FParser(Parser)
        , FDefs(*Parser.TableDefs())
        , FTables(Tables)
        , FNames(Parser)
    {}

    void Run()
    {
        for (int I = 0; I < FDefs.Count(); ++I)
            FTables[FDefs.Items(I)->Name()];
        CollectSelectList();
        CollectJoins();
        CollectConditions(*FParser.WhereItems());
        CollectGroupBy();
        CollectConditions(*FParser.HavingItems());
        CollectOrderBy();
    }

private:
    //! The one table of a statement over one table, else none: a bare name belongs to no table.
    const TKRTableDef *SoleTable() const { return FDefs.Count() == 1 ? FDefs.Items(0) : nullptr; }

    //! The table whose alias is Parts' qualifier; with no qualifier the sole table.
    const TKRTableDef *TableOf(const TNameParts &Parts) const
    {
        return Parts.size() == 1 ? SoleTable() : FDefs.FindByAlias(JoinQualifier(Parts));
    }

    TKRStatementTable &TableFor(const TKRTableDef &Def) { return FTables[Def.Name()]; }

    //! A column the model holds under exactly this name: the window needs a row of that name.
    void AddModelField(const TKRTableDef *Def, const std::string &Name)
    {
        if (!Def || Name.empty())
            return;
        TDataSet &DataSet = TableFor(*Def).DataSet;
        for (int I = 0; I < DataSet.FieldCount(); ++I)
            if (DataSet.Fields(I).FieldName() == Name)
                return;
        DataSet.AddField(Name, ftUnknown);
    }

    //! A column met in a text, written the way the writer writes it: a column of the model that
    //! it spells in another letter case is the same column.
    void AddTextField(const TKRTableDef *Def, const std::string &Name)
    {
        if (!Def || Name.empty() || TableFor(*Def).DataSet.FindField(Name))
            return;
        TableFor(*Def).DataSet.AddField(Name, ftUnknown);
    }

    void AddParam(const TKRTableDef &Def, const std::string &Name)
    {
        TParams &Params = *TableFor(Def).Params;
        if (!Params.FindParam(Name))
            Params.CreateParam(ftUnknown, Name, ptInput);
    }

    void CollectSelectList()
    {
        for (int I = 0; I < FDefs.Count(); ++I) {
            const TKRTableDef *Def = FDefs.Items(I);
            const TKRFieldDefs *Fields = Def->FieldDefs();
            for (int J = 0; J < Fields->Count(); ++J) {
                const TKRFieldDef *Field = Fields->Items(J);
                if (Field->IsInputParam()) {
                    if (Field->Kind() == fkIdentifier)
                        AddParam(*Def, Field->Name());
                } else if (Field->Kind() == fkIdentifier) {
                    if (!Field->Unqualified())
                        AddModelField(Def, Field->Name());
                } else if (Field->Kind() == fkFunction) {
                    CollectArguments(*Field->Arguments(), Def);
                }
            }
        }
    }

    // A call's argument is named by its column alone when it is of the call's own table, and with
    // its table's qualifier (quoted as written) when it is of another.
    void CollectArguments(const TKRFunctionDefs &Arguments, const TKRTableDef *Own)
    {
        for (int I = 0; I < Arguments.Count(); ++I) {
            const TKRFunctionDef *Argument = Arguments.Items(I);
            if (Argument->Kind() == fkFunction) {
                CollectArguments(*Argument->Arguments(), Own);
                continue;
            }
            if (Argument->Kind() != fkIdentifier || Argument->Unqualified())
                continue;
            const std::vector<TNameParts> Names = FNames.Names(Argument->Name());
            if (Names.size() != 1)
                continue;
            if (Names.front().size() == 1)
                AddModelField(Own, Names.front().front());
            else
                AddTextField(FDefs.FindByAlias(JoinQualifier(Names.front())), Names.front().back());
        }
    }

    void CollectJoins()
    {
        for (int I = 0; I < FDefs.Count(); ++I) {
            const TKRTableDef *Def = FDefs.Items(I);
            for (int J = 0; J < Def->JoinDefs()->Count(); ++J) {
                const TKRJoinDef *Join = Def->JoinDefs()->Items(J);
                AddModelField(Def, Join->FieldName());
                AddModelField(FDefs.FindByAlias(Join->JoinTable()), Join->JoinFieldName());
            }
        }
    }

    // Conditions are kept as text (names quoted as written, subqueries whole): only a name whose
    // qualifier is the alias of one of the statement's tables tells a column of that table.
    void CollectConditions(const TKRCriterions &Criteria)
    {
        for (int I = 0; I < Criteria.Count(); ++I) {
            const TKRCriterion *Criterion = Criteria.Items(I);
            if (Criterion->SubItems()->Count() > 0) {
                CollectConditions(*Criterion->SubItems());
                continue;
            }
            for (const TNameParts &Name : FNames.Names(Criterion->GetScript()))
                if (Name.size() > 1)
                    AddTextField(FDefs.FindByAlias(JoinQualifier(Name)), Name.back());
        }
    }

    void CollectListName(const std::string &Entry)
    {
        const TNameParts Parts = SplitListName(Entry, FNames.Scanner().GetIdentQuote());
        if (Parts.empty()
                || (Parts.size() == 1
                        && (FNames.Scanner().IsLiteralValueWord(Parts.front())
                                || IsOutputAlias(Parts.front()))))
            return;
        AddTextField(TableOf(Parts), Parts.back());
    }

    void CollectGroupBy()
    {
        const TKRGroupByItems &Group = *FParser.GroupByItems();
        for (int I = 0; I < Group.ReadItems().Count(); ++I)
            if (!Group.IsReadExpression(I))
                CollectListName(Group.ReadItems().Strings(I));
    }

    //! Whether a bare GROUP BY or ORDER BY name is the alias the select list gives a computed or renamed column.
    bool IsOutputAlias(const std::string &Name) const
    {
        for (int I = 0; I < FDefs.Count(); ++I) {
            const TKRFieldDefs *Fields = FDefs.Items(I)->FieldDefs();
            for (int J = 0; J < Fields->Count(); ++J) {
                const TKRFieldDef *Field = Fields->Items(J);
                if (Field->Alias() == Name && (Field->Kind() != fkIdentifier || Field->Name() != Name))
                    return true;
            }
        }
        return false;
    }

    void CollectOrderBy()
    {
        const TKROrderByItems &Order = *FParser.OrderByItems();
        for (int I = 0; I < Order.Count(); ++I) {
            const std::string &Entry = Order.Strings(I);
            if (!Order.IsExpression(I))
                CollectListName(Entry);
        }
    }

    TKRSelectParser &FParser;
    const TKRTableDefs &FDefs;
    std::map<std::string, TKRStatementTable> &FTables;
    TNameReader FNames;
};

} // namespace

TKRStatementFields::TKRStatementFields(TKRSelectParser &Parser)
{
    TCollector(Parser, FTables).Run();
}

TKRStatementTable *TKRStatementFields::Find(const std::string &Name)
{
    const auto Found = FTables.find(Name);
    return Found != FTables.end() ? &Found->second : nullptr;
}

} // namespace korvan
