// A diagram on screen for widget tests: a work area with a stand-in for the component that owns
// it, windows made from field lists, and the mouse moves a person makes.
//
//     test::TDiagramOwner Owner;
//     test::TDiagram D(&Owner);
//     TKRTable *Orders = D.Add("ORDERS", { "ORDERNO", "CUSTNO" }, 50, 20);
//     D.Click(D.RowPoint(Orders, 1));
#pragma once

#include "KRScriptedPrompter.h"
#include "KRTestSupport.h"
#include "component/KRStyles.h"
#include "diagram/KRLink.h"
#include "diagram/KRTable.h"
#include "diagram/KRWorkArea.h"
#include "framework/KRDataSet.h"
#include "parser/KRSelectParser.h"
#include "parser/KRTableDefs.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QtTest>
#include <QtWidgets>

namespace korvan::test {

//! A component stand-in: answers the work area from a model and flags, and notes what it was asked.
class TDiagramOwner : public TKRWorkAreaOwner
{
public:
    bool DoAddRemoveTable(TKRTable *, TKRAction Action) override
    {
        TableAsks.push_back(Action);
        if (OnAsk)
            OnAsk();
        return AllowTables;
    }
    bool DoAddRemoveLink(TKRLink *, TKRAction Action) override
    {
        Asked.push_back(Action);
        if (OnAsk)
            OnAsk();
        return AllowLinks;
    }
    TKRTableDefs *TableDefs() const override { return Parser->TableDefs(); }
    TKROptions Options() const override { return Opts; }
    const TKRStyle &Style() const override { return FStyle; }
    const TKRPalette &Palette() const override { return FPalette; }

    std::unique_ptr<TKRSelectParser> Parser = NewParser();
    bool AllowTables = true;
    bool AllowLinks = true;
    std::vector<TKRAction> TableAsks;
    std::vector<TKRAction> Asked;
    TKROptions Opts;
    //! What the application does whenever it is asked (it may change the diagram).
    std::function<void()> OnAsk;

private:
    TKRStyle FStyle;
    TKRPalette FPalette;
};

//! A work area on screen with windows made from field lists.
struct TDiagram
{
    using TField = std::pair<std::string, TFieldType>;

    explicit TDiagram(TKRWorkAreaOwner *Owner = nullptr, QSize Size = QSize(600, 400))
        : Area(nullptr, Owner)
    {
        Area.resize(Size);
        Area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Area));
    }

    //! Keeps Owner's model in step with the windows as the component does: a table definition
    //! per window, its alias following the window's.
    void FollowModel(TDiagramOwner &Owner)
    {
        TKRTableDefs *Defs = Owner.TableDefs();
        Area.SetOnAddTable([Defs](TKRWorkArea *, TKRFloatObject *Item) {
            auto *Table = static_cast<TKRTable *>(Item);
            TKRTableDef *Def = Defs->Add();
            Def->SetName(Table->TableName());
            if (Table->GetAlias() != Table->TableName())
                Def->SetAlias(Table->GetAlias());
        });
        Area.SetOnRemoveTable([Defs](TKRWorkArea *, TKRFloatObject *Item) {
            if (TKRTableDef *Def = Defs->FindByAlias(static_cast<TKRTable *>(Item)->GetAlias()))
                Defs->Delete(Def->Index());
        });
        Area.SetOnChangeAlias([Defs](TKRTable *Table, const std::string &Old) {
            if (TKRTableDef *Def = Defs->FindByAlias(Old))
                Def->SetAlias(Table->Alias());
        });
    }

    TKRTable *Add(const std::string &Name, const std::vector<TField> &Fields)
    {
        auto &Set = *Sets.emplace_back(std::make_unique<TDataSet>());
        for (const auto &[Field, Type] : Fields)
            Set.AddField(Field, Type);
        return Area.AddPanel(Name, &Set);
    }
    //! Integer fields, the window 100 wide at (Left, Top).
    TKRTable *Add(const std::string &Name, const std::vector<std::string> &Fields, int Left, int Top)
    {
        std::vector<TField> Typed;
        for (const std::string &Field : Fields)
            Typed.emplace_back(Field, ftInteger);
        TKRTable *Table = Add(Name, Typed);
        Table->SetWidth(100);
        Table->SetLeft(Left);
        Table->SetTop(Top);
        return Table;
    }

    TKRLink *Link(TKRTable *A, const char *FieldA, TKRTable *B, const char *FieldB)
    {
        return Area.AddLink(A, B, A->GetFieldItem(FieldA), B->GetFieldItem(FieldB));
    }

    QWidget *View() { return Area.viewport(); }
    //! Client points of a window's parts.
    QPoint RowPoint(const TKRTable *Table, int Index, int X = 40)
    {
        const QRect Row = Table->GetItemRect(Table->Items(Index));
        return QPoint(Row.left() + X, Row.center().y());
    }
    QPoint CheckPoint(const TKRTable *Table, int Index) { return RowPoint(Table, Index, 8); }
    QPoint CaptionPoint(const TKRTable *Table) { return Table->ToClient(Table->GetCaptionRect()).center(); }
    //! The middle of caption button Index.
    QPoint ButtonPoint(const TKRTable *Table, int Index)
    {
        const QRect Buttons = Table->ToClient(Table->GetButtonRect());
        return QPoint(Buttons.left() + Index * 13 + 7, Buttons.center().y());
    }

    //! The mouse moves to P with no button held.
    void Hover(QPoint P)
    {
        QMouseEvent Move(QEvent::MouseMove, P, View()->mapToGlobal(P), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(View(), &Move);
    }
    void Click(QPoint P, Qt::MouseButton Button = Qt::LeftButton)
    {
        Hover(P);
        QTest::mouseClick(View(), Button, {}, P);
    }
    //! As the window system sends a double click: press, release, double click, release.
    void DoubleClick(QPoint P)
    {
        Hover(P);
        QTest::mouseClick(View(), Qt::LeftButton, {}, P);
        QMouseEvent Double(
                QEvent::MouseButtonDblClick, P, View()->mapToGlobal(P), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(View(), &Double);
        QTest::mouseRelease(View(), Qt::LeftButton, {}, P);
    }
    //! A move with the left button held, without the release.
    void MoveHeld(QPoint To)
    {
        QMouseEvent Move(QEvent::MouseMove, To, View()->mapToGlobal(To), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(View(), &Move);
    }
    void Drag(QPoint From, QPoint To)
    {
        Hover(From);
        QTest::mousePress(View(), Qt::LeftButton, {}, From);
        MoveHeld(To);
        QTest::mouseRelease(View(), Qt::LeftButton, {}, To);
    }
    //! Right-clicks at P choosing Choice; returns the items the menu showed.
    std::vector<std::string> Menu(QPoint P, const std::string &Choice)
    {
        TKRScriptedPrompter Prompter;
        Prompter.AnswerMenu(Choice);
        Hover(P);
        Click(P, Qt::RightButton);
        std::vector<std::string> Items;
        if (!Prompter.Menus().empty())
            for (const auto &Item : Prompter.Menus().back())
                Items.push_back(Item.Text);
        return Items;
    }
    QImage Grab() { return View()->grab().toImage(); }

    std::deque<std::unique_ptr<TDataSet>> Sets;
    TKRWorkArea Area;
};

} // namespace korvan::test
