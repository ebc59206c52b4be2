// The look of the component: defaults, and the repaints each change asks of the views.
#include "component/KRStyles.h"

#include "framework/KRException.h"

#include <QtTest>

using namespace korvan;

namespace {

//! Counts the repaints the style objects ask for.
class TOwner : public TKRStyleOwner
{
public:
    bool HasViews() const override { return Views; }
    void InvalidateCriteriaPanels() override { ++Criteria; }
    void InvalidateWorkArea() override { ++WorkArea; }

    bool Views = true;
    int Criteria = 0;
    int WorkArea = 0;
};

} // namespace

class TKRStylesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void PaletteDefaults()
    {
        const TKRPalette P;
        QCOMPARE(P.ActiveCondition(), clWhite);
        QCOMPARE(P.ConditionText(), clBlack);
        QCOMPARE(P.ConditionItemText(), TColor(0x800000));
        QCOMPARE(P.ConditionErrorText(), TColor(0xFF));
        QCOMPARE(P.ProcClient(), TColor(static_cast<TColor>(0x80000018u)));
        QCOMPARE(P.TableClient(), clWhite);
        QCOMPARE(P.ItemText(), clBlack);
        QCOMPARE(P.SelectedItemText(), clWhite);
        QCOMPARE(P.ActiveCaption(), TColor(0xC0C0C0));
        QCOMPARE(P.InactiveCaption(), TColor(static_cast<TColor>(0x8000000Fu)));
        const TKRStyle S;
        QCOMPARE(S.ButtonStyle(), krsFlat);
        QCOMPARE(S.ObjectStyle()->BorderKind(), krkRaised);
        QVERIFY(S.ObjectStyle()->Flat());
        QVERIFY(S.ObjectStyle()->FlatButtons());
    }

    // Each colour repaints the views that show it, once per change; an unchanged value, the error
    // colour and a component being designed repaint nothing.
    void PaletteChangesRepaintTheirViews()
    {
        TOwner Owner;
        TKRPalette P(&Owner);
        P.SetActiveCondition(clRed);
        P.SetConditionText(clBlue);
        P.SetConditionItemText(clGreen);
        QCOMPARE(Owner.Criteria, 3);
        QCOMPARE(Owner.WorkArea, 0);
        P.SetProcClient(clRed);
        P.SetTableClient(clRed);
        P.SetItemText(clRed);
        P.SetSelectedItemText(clRed);
        P.SetActiveCaption(clRed);
        P.SetInactiveCaption(clRed);
        QCOMPARE(Owner.WorkArea, 6);
        P.SetActiveCondition(clRed);
        P.SetInactiveCaption(clRed);
        P.SetConditionErrorText(clGreen);
        QCOMPARE(Owner.Criteria + Owner.WorkArea, 9);
        QCOMPARE(P.ConditionErrorText(), clGreen);
        Owner.Views = false;
        P.SetTableClient(clBlue);
        QCOMPARE(Owner.WorkArea, 6);
        QCOMPARE(P.TableClient(), clBlue);
    }

    // Assigning another palette goes through the setters: one repaint per colour that changed.
    void AssigningAPaletteRepaintsOncePerChangedColour()
    {
        TKRPalette Source;
        Source.SetActiveCondition(clYellow);
        Source.SetTableClient(clTeal);
        Source.SetActiveCaption(clNavy);
        Source.SetConditionErrorText(clLime);
        TOwner Owner;
        TKRPalette Target(&Owner);
        Target.Assign(&Source);
        QCOMPARE(Owner.Criteria, 1);
        QCOMPARE(Owner.WorkArea, 2);
        QCOMPARE(Target.TableClient(), clTeal);
        QCOMPARE(Target.ConditionErrorText(), clLime);
        QVERIFY_THROWS_EXCEPTION(EConvertError, Target.Assign(nullptr));
    }

    void StylesRepaintTheirViews()
    {
        TOwner Owner;
        TKRStyle S(&Owner);
        S.SetButtonStyle(krs3DLook);
        S.SetButtonStyle(krs3DLook);
        QCOMPARE(Owner.Criteria, 1);
        S.ObjectStyle()->SetBorderKind(krkSunken);
        S.ObjectStyle()->SetFlat(false);
        S.ObjectStyle()->SetFlatButtons(false);
        S.ObjectStyle()->SetFlat(false);
        QCOMPARE(Owner.WorkArea, 3);

        // A new object style is copied in, each changed value repainting, then the work area once
        // more; the owned object stays the same.
        TKRObjectStyle Other;
        Other.SetBorderKind(krkEtched);
        TKRObjectStyle *const Own = S.ObjectStyle();
        S.SetObjectStyle(&Other);
        QCOMPARE(S.ObjectStyle(), Own);
        QCOMPARE(Own->BorderKind(), krkEtched);
        QVERIFY(Own->Flat());
        QCOMPARE(Owner.WorkArea, 3 + 3 + 1);
        S.SetObjectStyle(Own);
        QCOMPARE(Owner.WorkArea, 7);

        TKRStyle Copy;
        Copy.Assign(&S);
        QCOMPARE(Copy.ButtonStyle(), krs3DLook);
        QCOMPARE(Copy.ObjectStyle()->BorderKind(), krkEtched);
    }
};

QTEST_GUILESS_MAIN(TKRStylesTest)
#include "KRStylesTest.moc"
