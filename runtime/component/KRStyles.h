// The look of the component: the colours of the criteria editors and the table windows, the look
// of the criteria editors' line buttons and the borders of the table windows. Every change of a
// value repaints the views that use it, through the owner.
#pragma once

#include "framework/KRPersistent.h"
#include "framework/qt/KRColor.h"

#include <cstdint>
#include <memory>

namespace korvan {

//! What the style objects tell their owner (the component) when a value changes.
class TKRStyleOwner
{
public:
    virtual ~TKRStyleOwner() = default;
    //! False while the component is being designed: there are no views to repaint.
    virtual bool HasViews() const = 0;
    //! The WHERE and the HAVING panel repaint.
    virtual void InvalidateCriteriaPanels() = 0;
    //! The work area repaints.
    virtual void InvalidateWorkArea() = 0;
};

//! The colours. Each setter stores a changed value and repaints the views that show it.
class TKRPalette : public TPersistent
{
public:
    explicit TKRPalette(TKRStyleOwner *Owner = nullptr);

    TKRStyleOwner *Owner() const { return FOwner; }

    TColor ActiveCondition() const { return FActiveCondition; }
    void SetActiveCondition(TColor Value);
    TColor ConditionText() const { return FConditionText; }
    void SetConditionText(TColor Value);
    TColor ConditionItemText() const { return FConditionItemText; }
    void SetConditionItemText(TColor Value);
    TColor ProcClient() const { return FProcClient; }
    void SetProcClient(TColor Value);
    TColor TableClient() const { return FTableClient; }
    void SetTableClient(TColor Value);
    TColor ItemText() const { return FItemText; }
    void SetItemText(TColor Value);
    TColor SelectedItemText() const { return FSelectedItemText; }
    void SetSelectedItemText(TColor Value);
    TColor ActiveCaption() const { return FActiveCaption; }
    void SetActiveCaption(TColor Value);
    TColor InactiveCaption() const { return FInactiveCaption; }
    void SetInactiveCaption(TColor Value);
    //! Not published: stored as given, and nothing repaints.
    TColor ConditionErrorText() const { return FConditionErrorText; }
    void SetConditionErrorText(TColor Value) { FConditionErrorText = Value; }

    //! From another palette through the setters, so the views repaint once per changed colour.
    void Assign(const TPersistent *Source) override;

private:
    void SetCriteriaColor(TColor &Field, TColor Value);
    void SetWorkAreaColor(TColor &Field, TColor Value);

    TKRStyleOwner *FOwner;
    TColor FActiveCondition = clWhite;
    TColor FConditionText = clBlack;
    TColor FConditionErrorText = clRed;
    TColor FConditionItemText = clNavy;
    TColor FTableClient = clWhite;
    TColor FItemText = clBlack;
    TColor FSelectedItemText = clWhite;
    TColor FProcClient = clInfoBk;
    TColor FActiveCaption = clSilver;
    TColor FInactiveCaption = clBtnFace;
};

enum TKRBorderKind : std::uint8_t { krkBump, krkEtched, krkRaised, krkSunken };
enum TKRButtonStyle : std::uint8_t { krsFlat, krs3DLook, krsRaise };

//! The borders of the table windows.
class TKRObjectStyle : public TPersistent
{
public:
    explicit TKRObjectStyle(TKRStyleOwner *Owner = nullptr);

    TKRStyleOwner *Owner() const { return FOwner; }
    TKRBorderKind BorderKind() const { return FBorderKind; }
    void SetBorderKind(TKRBorderKind Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool FlatButtons() const { return FFlatButtons; }
    void SetFlatButtons(bool Value);

    void Assign(const TPersistent *Source) override;

private:
    void Changed();

    TKRStyleOwner *FOwner;
    TKRBorderKind FBorderKind = krkRaised;
    bool FFlat = true;
    bool FFlatButtons = true;
};

//! The look of the criteria editors' line buttons, and the object style it owns.
class TKRStyle : public TPersistent
{
public:
    explicit TKRStyle(TKRStyleOwner *Owner = nullptr);
    ~TKRStyle() override;

    TKRStyleOwner *Owner() const { return FOwner; }
    TKRButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TKRButtonStyle Value);
    //! Owned; SetObjectStyle copies into it.
    TKRObjectStyle *ObjectStyle() const { return FObjectStyle.get(); }
    void SetObjectStyle(const TKRObjectStyle *Value);

    void Assign(const TPersistent *Source) override;

private:
    TKRStyleOwner *FOwner;
    TKRButtonStyle FButtonStyle = krsFlat;
    std::unique_ptr<TKRObjectStyle> FObjectStyle;
};

} // namespace korvan
