// The criteria editors and the diagram's fields: the field picker under the in-place editor, and
// fields dragged from a table window onto a field or value part.
#include "diagram/KRListItem.h"
#include "diagram/KRTable.h"
#include "diagram/KRWorkArea.h"
#include "editors/KRCriterionPanel.h"
#include "editors/KRMemoEx.h"
#include "editors/KRTreeViewEx.h"
#include "framework/qt/KRBitmap.h"
#include "parser/KRSelectParser.h"

#include <algorithm>

#include <QScrollBar>

namespace korvan {

namespace {

constexpr int FirstValue = 5;

} // namespace

// ---------------------------------------------------------------------------------------------
// The field picker

TKRTreeViewEx *TKRCriterionPanel::FieldList() const
{
    return FFieldList.data();
}

TKRWorkArea *TKRCriterionPanel::WorkArea() const
{
    return FWorkArea.data();
}

void TKRCriterionPanel::SetWorkArea(TKRWorkArea *Value)
{
    FWorkArea = Value;
}

void TKRCriterionPanel::FillFieldList()
{
    FFieldList->clear();
    int Width = 150;
    const QFontMetrics Metrics(FFieldList->font());
    const QIcon TableImage(KRBitmap("TABLEBMP"));
    const QIcon FieldImage(KRBitmap("FIELDBMP"));
    if (const TKRWorkArea *Area = FWorkArea.data()) {
        for (int T = 0; T < Area->TableCount(); ++T) {
            const TKRTable *Window = Area->TableWindows(T);
            auto *Table = new QTreeWidgetItem(FFieldList, { QString::fromStdString(Window->GetAlias()) });
            Table->setIcon(0, TableImage);
            for (int I = 0; I < Window->Count(); ++I) {
                const TKRListItem *Item = Window->Items(I);
                // Input parameters of a procedure carry no check box: they are not fields.
                if (Item->ParamType() == ptInput)
                    continue;
                const QString Name = QString::fromStdString(Item->Name());
                (new QTreeWidgetItem(Table, { Name }))->setIcon(0, FieldImage);
                Width = std::max(Width, Metrics.horizontalAdvance(Name) + 85);
            }
        }
    }
    FFieldList->resize(Width, FFieldList->height());
}

void TKRCriterionPanel::InsertField()
{
    if (!FEditor->isVisible())
        return;
    QWidget *Host = window();
    if (FFieldList->parentWidget() != Host)
        FFieldList->setParent(Host);
    FillFieldList();
    int Y = FEditor->y() + FEditor->height();
    if (viewport()->height() < Y + FFieldList->height())
        Y = FEditor->y() - FFieldList->height();
    FFieldList->move(viewport()->mapTo(Host, QPoint(FEditor->x(), Y)));
    FFieldList->show();
    FFieldList->raise();
    FFieldList->setFocus(Qt::OtherFocusReason);
}

namespace {

//! A name part quoted as the scanner would when it holds a dot: the quotes inside doubled.
std::string QuotePart(const std::string &Text, const TKRSelectParser *Parser)
{
    if (!Parser || Text.find('.') == std::string::npos || !Parser->Scanner()->GetQuoteIdentifiers())
        return Text;
    const char Quote = Parser->Scanner()->GetIdentQuote();
    std::string Result(1, Quote);
    for (const char C : Text) {
        Result += C;
        if (C == Quote)
            Result += C;
    }
    return Result + Quote;
}

} // namespace

void TKRCriterionPanel::SetFieldFromList()
{
    const QTreeWidgetItem *Node = FFieldList->currentItem();
    if (Node && Node->childCount() == 0 && Node->parent()) {
        const std::string Table = QuotePart(Node->parent()->text(0).toStdString(), FParser) + ".";
        const std::string Field = QuotePart(Node->text(0).toStdString(), FParser);
        const std::string Name = FParser ? FParser->Scanner()->ProcessName(Table + Field) : Table + Field;
        // The text after the caret is kept whole, however long.
        QTextCursor Cursor = FEditor->textCursor();
        Cursor.insertText(QString::fromStdString(Name));
        FEditor->setTextCursor(Cursor);
    }
    FFieldList->hide();
    FEditor->setFocus(Qt::OtherFocusReason);
}

void TKRCriterionPanel::HideFieldList(bool &AllowChange)
{
    if (!FFieldList->isVisible())
        return;
    SetFieldFromList();
    AllowChange = false;
}

// ---------------------------------------------------------------------------------------------
// Fields dropped from the diagram

namespace {

//! The row being dragged out of the work area Source: the current row of its selected window.
const TKRListItem *DraggedItem(QObject *Source)
{
    const auto *Area = dynamic_cast<const TKRWorkArea *>(Source);
    const auto *Window = Area ? dynamic_cast<const TKRTable *>(Area->SelectedObject()) : nullptr;
    return Window ? Window->CurrentItem() : nullptr;
}

} // namespace

TKRControl *TKRCriterionPanel::DropTargetAt(QPoint Pos, int &Top) const
{
    const QPoint P = viewport()->mapFrom(this, Pos) + QPoint(HorzPosition(), VertPosition());
    TKRControl *Part = ControlAt(RowAt(P.y(), &Top), P.x());
    if (!Part || Part->Row()->IsGroup() || (Part->ControlIndex() != 2 && Part->ControlIndex() < FirstValue))
        return nullptr;
    return Part;
}

void TKRCriterionPanel::DragOver(QObject *Source, QPoint Pos, TKRDragState State, bool &Accept)
{
    Accept = false;
    int Top = 0;
    TKRControl *Part = nullptr;
    if (State != dsDragLeave && DraggedItem(Source) && !FEditor->isVisible())
        Part = DropTargetAt(Pos, Top);
    if (FDropControl && FDropControl != Part) {
        InvalidateRow(FDropControl->Row());
        FDropControl = nullptr;
    }
    if (!Part)
        return;
    Accept = true;
    FDropControl = Part;
    FHoverRowTop = Top;
    InvalidateRow(Part->Row());
}

void TKRCriterionPanel::DragDrop(QObject *Source, QPoint Pos)
{
    const TKRListItem *Item = DraggedItem(Source);
    int Top = 0;
    TKRControl *Part = Item ? DropTargetAt(Pos, Top) : nullptr;
    FDropControl = nullptr;
    if (!Part) {
        viewport()->update();
        return;
    }
    const std::string Text = Item->Table()->GetAlias() + "." + Item->Name();
    TKRCriterionRow *Row = Part->Row();
    if (Part->ControlIndex() == 2)
        Row->SetField(Text);
    else
        Row->SetArgument(Part->ControlIndex() - FirstValue, Text);
    Row->Relayout();
    StructureChanged();
    setFocus(Qt::OtherFocusReason);
}

} // namespace korvan
