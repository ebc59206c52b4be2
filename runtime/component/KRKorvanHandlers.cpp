// The query builder control's answers to its views: what a check mark, a grid row, a new or closed
// window or a renamed alias changes in the model.
#include "component/KRKorvan.h"
#include "component/KRStoredProc.h"
#include "diagram/KRListItem.h"
#include "diagram/KRTable.h"
#include "editors/KROrderPanel.h"
#include "editors/KRSelectGrid.h"
#include "editors/KRSelectPanel.h"
#include "framework/KRStrings.h"
#include "parser/KRFieldDefs.h"
#include "parser/KRSQLScanner.h"
#include "parser/KRSelectParser.h"
#include "parser/KRTableDefs.h"

namespace korvan {

namespace {

//! A grid's source text split at its first "." into the window's alias and the row's name.
struct TFieldText
{
    std::string Table;
    std::string Field;
};

TFieldText SplitFieldText(const std::string &Text)
{
    const std::size_t Dot = Text.find('.');
    if (Dot == std::string::npos)
        return { Text, {} };
    return { Text.substr(0, Dot), Text.substr(Dot + 1) };
}

//! As SplitFieldText, but a file table's extension (orders.db.field) stays with the table, when
//! selecting a field and when taking it out again alike.
TFieldText SplitFieldTextWithExtension(const std::string &Text)
{
    TFieldText Result = SplitFieldText(Text);
    for (const char *Extension : { "dbf.", "db." }) {
        if (!Result.Field.starts_with(Extension))
            continue;
        const std::size_t Dot = Result.Field.find('.');
        Result.Table += "." + Result.Field.substr(0, Dot);
        Result.Field.erase(0, Dot + 1);
        break;
    }
    return Result;
}

} // namespace

void TCustomKorvan::GetAvailableFields(TStrings *Strings) const
{
    if (!Strings)
        return;
    Strings->Clear();
    if (FDesigning)
        return;
    for (int I = FWorkArea->TableCount() - 1; I >= 0; --I) {
        const TKRTable *Window = FWorkArea->TableWindows(I);
        if (Window->Closing())
            continue;
        for (int R = 0; R < Window->Count(); ++R)
            Strings->Add(Window->GetAlias() + "." + Window->Items(R)->Name());
    }
}

void TCustomKorvan::HandleGetOrderFields(QObject *, TStrings &Fields) const
{
    GetAvailableFields(&Fields);
}

TCustomKorvan::TGridSource TCustomKorvan::GridSource(const std::string &FieldValue) const
{
    const TFieldText Text = SplitFieldTextWithExtension(FieldValue);
    TGridSource Result{ Text.Table, Text.Field };
    Result.Window = FWorkArea->GetTable(Text.Table);
    Result.Row = Result.Window ? Result.Window->GetFieldItem(Text.Field) : nullptr;
    return Result;
}

void TCustomKorvan::HandleSelectField(
        const std::string &FieldValue, const std::string &AggregateValue, const std::string &AliasValue)
{
    const TGridSource Source = GridSource(FieldValue);
    if (!Source.Row)
        return;
    Source.Row->UpdateCheck(AggregateValue.empty());
    TKRTableDefs *Defs = FParser->TableDefs();
    TKRTableDef *Def = Defs->FindByAlias(Source.Table);
    if (!Def) {
        Def = Defs->Add();
        Def->SetAlias(Source.Window->GetAlias());
        Def->SetName(Source.Window->TableName());
    }
    TKRFieldDef *Field = Def->FieldDefs()->FindByAlias(AliasValue);
    if (!Field)
        Field = Def->FieldDefs()->Add();
    Field->SetAlias(AliasValue);
    Field->Arguments()->Clear();
    if (!AggregateValue.empty()) {
        Field->SetName(AggregateValue);
        Field->SetKind(fkFunction);
        TKRFunctionDef *Argument = Field->Arguments()->Add();
        Argument->SetName(Source.Field);
        Argument->SetKind(fkIdentifier);
    } else {
        Field->SetName(Source.Field);
        Field->SetKind(fkIdentifier);
    }
    TKRSelectGrid *Grid = FSelectPanel->Grid();
    Grid->SetCells(0, Grid->Row(), Field->Alias());
    NoteChange();
}

void TCustomKorvan::HandleUnselectField(
        const std::string &FieldValue, const std::string &AggregateValue, const std::string &AliasValue)
{
    const TGridSource Source = GridSource(FieldValue);
    if (!Source.Row)
        return;
    Source.Row->UpdateCheck(false);
    const TKRTableDef *Def = FParser->TableDefs()->FindByAlias(Source.Table);
    TKRFieldDef *Field = Def ? Def->FieldDefs()->FindByAlias(AliasValue) : nullptr;
    if (!Field)
        return;
    if (Field->Kind() == fkFunction) {
        if (Field->Name() != AggregateValue)
            Field->SetName(AggregateValue);
    } else if (Field->Kind() == fkIdentifier && !AggregateValue.empty()) {
        // The plain column becomes the argument of the aggregate.
        const std::string Former = Field->Name();
        Field->Arguments()->Clear();
        TKRFunctionDef *Argument = Field->Arguments()->Add();
        Argument->SetName(Former);
        Argument->SetKind(fkIdentifier);
        Field->SetName(AggregateValue);
        Field->SetKind(fkFunction);
    }
    NoteChange();
}

void TCustomKorvan::HandleDeleteField(const std::string &FieldValue, const std::string &AliasValue)
{
    const TGridSource Source = GridSource(FieldValue);
    if (!Source.Row)
        return;
    Source.Row->UpdateCheck(false);
    const TKRTableDef *Def = FParser->TableDefs()->FindByAlias(Source.Table);
    if (const TKRFieldDef *Field = Def ? Def->FieldDefs()->FindByAlias(AliasValue) : nullptr)
        Def->FieldDefs()->Delete(Field->Index());
    NoteChange();
}

void TCustomKorvan::HandleChangeFieldAlias(
        const std::string &FieldName, const std::string &Alias, std::string &NewAlias)
{
    const TKRTableDef *Def = FParser->TableDefs()->FindByAlias(SplitFieldText(FieldName).Table);
    if (TKRFieldDef *Field = Def ? Def->FieldDefs()->FindByAlias(Alias) : nullptr)
        Field->SetAlias(NewAlias);
    NoteChange();
}

void TCustomKorvan::HandleCheckField(TKRTable *Table, TKRListItem *Item)
{
    // A statement being laid out checks the rows of the columns it already has.
    if (FLoading > 0 || !Table || !Item)
        return;
    if (const TKRTableDef *Def = FParser->TableDefs()->FindByAlias(Table->GetAlias())) {
        TKRFieldDefs *Fields = Def->FieldDefs();
        if (Item->Checked()) {
            if (!Fields->FindByName(Item->Name())) {
                TKRFieldDef *Field = Fields->Add();
                Field->SetName(Item->Name());
                Field->SetKind(fkIdentifier);
            }
        } else if (const TKRFieldDef *Field = Fields->FindByName(Item->Name())) {
            Fields->Delete(Field->Index());
        }
    }
    RefreshActivePage();
    NoteChange();
}

void TCustomKorvan::HandleAddRemoveField(TKRTable *Table, TKRListItem *Item)
{
    const TKRTableDef *Def = Table ? FParser->TableDefs()->FindByAlias(Table->GetAlias()) : nullptr;
    if (Def && Item && Def->FieldDefs()->FindByAlias(Item->Name())) {
        FSelectPanel->RefreshFields();
        FOrderPanel->RefreshFields();
    }
    RefreshActivePage();
}

void TCustomKorvan::HandleAddTable(QObject *, TKRFloatObject *Object)
{
    auto *Table = dynamic_cast<TKRTable *>(Object);
    // A window made for a statement being laid out belongs to the definition it was made for.
    if (!Table || FLoading > 0)
        return;
    TKRTableDefs *Defs = FParser->TableDefs();
    TKRTableDef *Def = Defs->FindByAlias(Table->GetAlias());
    if (!Def)
        Def = Defs->FindByName(Table->GetAlias());
    if (!Def) {
        Def = Defs->Add();
        Def->SetName(Table->TableName());
        Def->SetAlias(Table->GetAlias());
    }
    Def->SetName(Table->TableName());
    if (const auto *Proc = dynamic_cast<const TKRStoredProc *>(Table)) {
        Def->SetTableType(qttStoredProc);
        for (int R = 0; R < Proc->Count(); ++R) {
            const TKRListItem *Row = Proc->Items(R);
            if (Row->ParamType() != ptInput && Row->ParamType() != ptInputOutput)
                continue;
            TKRFieldDef *Field = Def->FieldDefs()->FindByName(Row->Name());
            if (!Field)
                Field = Def->FieldDefs()->Add();
            Field->SetName(Row->Name());
            Field->SetParamType(Row->ParamType());
        }
    } else {
        Def->SetTableType(qttTable);
    }
    RefreshActivePage();
    NoteChange();
}

void TCustomKorvan::HandleRemoveTable(QObject *, TKRFloatObject *Object)
{
    const auto *Table = dynamic_cast<const TKRTable *>(Object);
    if (!Table)
        return;
    // Freeing the definition takes its joins and its sort entries with it.
    TKRTableDefs *Defs = FParser->TableDefs();
    if (const TKRTableDef *Def = Defs->FindByAlias(Table->GetAlias()))
        Defs->Delete(Def->Index());
    RefreshActivePage();
    NoteChange();
}

void TCustomKorvan::HandleChangeAlias(TKRTable *Table, const std::string &OldAlias)
{
    if (!Table || FLoading > 0)
        return;
    TKRTableDefs *Defs = FParser->TableDefs();
    TKRTableDef *Def = OldAlias != Table->TableName() ? Defs->FindByAlias(OldAlias)
                                                      : Defs->FindByName(Table->TableName());
    if (Def)
        Def->SetAlias(Table->Alias());
    const TKRSQLScanner &Scanner = *FParser->Scanner();
    const std::string NewAlias = Table->GetAlias();
    FWherePanel->ChangeAlias(Scanner.ProcessName(NewAlias), Scanner.ProcessName(OldAlias));
    FHavingPanel->ChangeAlias(Scanner.ProcessName(NewAlias), Scanner.ProcessName(OldAlias));
    FSelectPanel->Grid()->ChangeAlias(NewAlias, OldAlias);
    RefreshActivePage();
    NoteChange();
}

void TCustomKorvan::HandleEnterParameter(TKRTable *Table, TKRListItem *Item)
{
    if (FOnEnterProcParameter)
        FOnEnterProcParameter(this, Table, Item);
    NoteChange();
}

} // namespace korvan
