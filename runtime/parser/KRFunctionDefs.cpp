#include "parser/KRFunctionDefs.h"

#include "parser/KRFieldDefs.h"
#include "parser/KRTableDefs.h"

namespace korvan {

namespace {

//! The table an expression node belongs to: up through the argument and field lists that hold it.
const TKRTableDef *OwningTable(const TKRFunctionDef *Node)
{
    const TPersistent *Current = Node;
    // Each step leaves one nesting level of calls, which the parser bounds.
    while (const auto *Item = dynamic_cast<const TCollectionItem *>(Current)) {
        const auto *List = dynamic_cast<const TKRFunctionDefs *>(Item->Collection());
        if (List == nullptr)
            break;
        Current = List->Owner();
    }
    return dynamic_cast<const TKRTableDef *>(Current);
}

//! 'x' and "x" as well as x are the same string value.
std::string StripEnclosingQuotes(const std::string &Value)
{
    const auto IsQuote = [](char C) { return C == '\'' || C == '"'; };
    if (Value.size() >= 2 && IsQuote(Value.front()) && IsQuote(Value.back()))
        return Value.substr(1, Value.size() - 2);
    return Value;
}

} // namespace

TKRFunctionDef::TKRFunctionDef(TCollection *Collection)
    : TKRCollectionItem(Collection)
{
    FArguments = TKRFunctionDef::CreateArguments();
}

TKRFunctionDef::~TKRFunctionDef() = default;

void TKRFunctionDef::SetName(const std::string &Value)
{
    FName = Value;
}

void TKRFunctionDef::SetKind(TKRFunctionKind Value)
{
    FKind = Value;
}

void TKRFunctionDef::SetArguments(const TKRFunctionDefs *Value)
{
    if (Value != FArguments.get())
        FArguments->Assign(Value);
}

void TKRFunctionDef::Assign(const TPersistent *Source)
{
    TKRCollectionItem::Assign(Source);
    if (const auto *Other = dynamic_cast<const TKRFunctionDef *>(Source)) {
        FArguments->Assign(Other->FArguments.get());
        SetKind(Other->FKind);
        SetName(Other->FName);
        FUnqualified = Other->FUnqualified;
        FQuantifier = Other->FQuantifier;
    }
}

void TKRFunctionDef::SetParser(TKRSelectParser *Value)
{
    TKRCollectionItem::SetParser(Value);
    FArguments->SetParser(Value);
}

std::unique_ptr<TKRFunctionDefs> TKRFunctionDef::CreateArguments()
{
    return std::make_unique<TKRFunctionDefs>(this, &ItemClassOf<TKRFunctionDef>);
}

std::string TKRFunctionDef::GetScript() const
{
    // A node without a name but with arguments is a list: the operands of IN write (1, 2, 3).
    if (FArguments->Count() > 0) {
        const std::string Quantifier = FQuantifier.empty() ? FQuantifier : ProcessKeyword(FQuantifier) + " ";
        return ProcessFunction(FName) + "(" + Quantifier + FArguments->GetScript() + ")";
    }
    switch (FKind) {
    case fkFunction:
        return ProcessFunction(FName) + "()";
    case fkIdentifier: {
        const TKRTableDef *Table = OwningTable(this);
        if (Table == nullptr)
            return ProcessName(FName);
        if (FUnqualified)
            return KRModelText::ProcessNamePart(FParser, FName);
        // A call argument read with its qualifier (COALESCE(x.a, y.b)) is not qualified again.
        if (Collection() != nullptr && dynamic_cast<const TKRFieldDefs *>(Collection()) == nullptr
                && FName.find('.') != std::string::npos)
            return ProcessName(FName);
        const std::string Qualifier = Table->Alias().empty() ? Table->Name() : Table->Alias();
        const std::string Name = KRModelText::ProcessNamePart(FParser, FName);
        return Qualifier.empty() ? Name : ProcessName(Qualifier) + "." + Name;
    }
    case fkString:
        return KRModelText::QuoteString(FParser, StripEnclosingQuotes(FName));
    case fkUnknown:
    case fkInteger:
    case fkFloat:
    case fkExpression:
        break;
    }
    return FName;
}

void TKRFunctionDef::Clear()
{
    FName.clear();
    FKind = fkUnknown;
    FUnqualified = false;
    FQuantifier.clear();
    FArguments->Clear();
}

TKRFunctionDefs::TKRFunctionDefs(TPersistent *Owner, TCollectionItemClass AItemClass)
    : TKRCollection(AItemClass, Owner)
{}

// Items look at their list while they die (fields renumber the SELECT list): free them while
// this is still a whole TKRFunctionDefs.
TKRFunctionDefs::~TKRFunctionDefs()
{
    Clear();
}

std::string TKRFunctionDefs::GetScript() const
{
    std::string Result;
    for (int I = 0; I < Count(); ++I) {
        if (I > 0)
            Result += ", ";
        Result += Items(I)->GetScript();
    }
    return Result;
}

} // namespace korvan
