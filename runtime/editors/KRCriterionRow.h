// The lines of the criteria editors: one line per condition or group, each made of clickable parts.
// A line edits one criterion of the model and writes every change of its texts into it.
#pragma once

#include "parser/KRCriterions.h"

#include <memory>
#include <string>
#include <vector>

namespace korvan {

class TKRCriterion;
class TKRCriterionPanel;
class TKRCriterionRow;
class TKROperator;

//! Longer texts are shown as their first this many characters followed by "...".
inline constexpr std::size_t CriterionDisplayLength = 30;

//! One clickable part of a line: the numbered button, a word, a field or a value.
class TKRControl
{
public:
    TKRControl(TKRCriterionRow *Row, int ControlIndex);

    TKRCriterionRow *Row() const { return FRow; }
    int ControlIndex() const { return FControlIndex; }
    //! The display text: blank becomes the placeholder, line breaks blanks, and a text longer than
    //! 30 characters its first 30 followed by "...".
    const std::string &Text() const { return FText; }
    void SetText(const std::string &Value);
    //! Content x in pixels.
    int Left() const { return FLeft; }
    void SetLeft(int Value) { FLeft = Value; }
    //! 0: hidden, neither drawn nor clickable.
    int Width() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    int Right() const { return FLeft + FWidth; }

private:
    TKRCriterionRow *FRow;
    int FControlIndex;
    std::string FText;
    int FLeft = 0;
    int FWidth = 0;
};

//! The child lines of a line, or the editor's top collection (which holds RootRow alone).
class TKRCriterionRows
{
public:
    TKRCriterionRows(TKRCriterionPanel *Panel, TKRCriterionRow *ParentRow);
    ~TKRCriterionRows();
    TKRCriterionRows(const TKRCriterionRows &) = delete;
    TKRCriterionRows &operator=(const TKRCriterionRows &) = delete;

    TKRCriterionPanel *Panel() const { return FPanel; }
    TKRCriterionRow *ParentRow() const { return FParentRow; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TKRCriterionRow *Items(int Index) const { return FItems.at(static_cast<std::size_t>(Index)).get(); }
    int IndexOf(const TKRCriterionRow *Row) const;

    //! A new line (Init's placeholders, the first operator), laid out, appended or at Index.
    TKRCriterionRow *Add();
    TKRCriterionRow *Insert(int Index);
    //! Frees the line at Index with its parts and child lines (never its criterion).
    void Delete(int Index);
    void Clear();
    //! Line by line, through the setters.
    void Assign(const TKRCriterionRows &Source);

private:
    TKRCriterionPanel *FPanel;
    TKRCriterionRow *FParentRow;
    std::vector<std::unique_ptr<TKRCriterionRow>> FItems;
};

//! A condition line (field, operator, values; in HAVING the aggregates around them) or a group line
//! (the filter word, "All", "Any", "None" or "Not all"). Parts by index: 0 the numbered button;
//! 1 the aggregate of the field (group: the filter word); 2 the field; 3 the operator; 4 the
//! aggregate of the first value; 5 and on the values.
class TKRCriterionRow
{
public:
    explicit TKRCriterionRow(TKRCriterionRows *Collection);
    ~TKRCriterionRow();
    TKRCriterionRow(const TKRCriterionRow &) = delete;
    TKRCriterionRow &operator=(const TKRCriterionRow &) = delete;

    TKRCriterionRows *Collection() const { return FCollection; }
    TKRCriterionPanel *Panel() const { return FCollection->Panel(); }
    TKRCriterionRow *ParentRow() const { return FCollection->ParentRow(); }
    int Index() const { return FCollection->IndexOf(this); }
    bool IsRoot() const { return ParentRow() == nullptr; }

    TKRCriterionRows *Rows() const { return FRows.get(); }
    const std::string &Field() const { return FField; }
    void SetField(const std::string &Value);
    const std::string &AggregateFunc1() const { return FAggregateFunc1; }
    void SetAggregateFunc1(const std::string &Value);
    const std::string &AggregateFunc2() const { return FAggregateFunc2; }
    void SetAggregateFunc2(const std::string &Value);
    TKROperator *Operator() const { return FOperator; }
    void SetOperator(TKROperator *Value);
    //! While the operator table is replaced, the name of the operator the line had.
    const std::string &OperatorName() const { return FOperatorName; }
    void SetOperatorName(const std::string &Value) { FOperatorName = Value; }
    //! The value texts, one per operand of the operator.
    const std::vector<std::string> &Arguments() const { return FArguments; }
    //! Copies the list (no model change).
    void SetArguments(const std::vector<std::string> &Value) { FArguments = Value; }
    //! Value Index := Value, in the line and in the criterion's right side.
    void SetArgument(int Index, const std::string &Value);
    bool Expanded() const { return FExpanded; }
    void SetExpanded(bool Value);
    const std::string &GroupOperator() const { return FGroupOperator; }
    void SetGroupOperator(const std::string &Value);
    bool IsGroup() const { return !FGroupOperator.empty(); }
    //! A condition the model keeps whole (EXISTS (...)): the field part is its text, and it has
    //! neither operator nor values.
    bool IsWhole() const;
    //! Whether the condition is complete enough to be written: a field, and every value its
    //! operator needs. A group is complete when one of its lines is.
    bool IsComplete() const;
    TKRCriterion *Criterion() const { return FCriterion; }
    void SetCriterion(TKRCriterion *Value);

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TKRControl *Controls(int Index) const { return FControls.at(static_cast<std::size_t>(Index)).get(); }
    //! The part Control is one of this line's.
    bool Owns(const TKRControl *Control) const;

    //! Fits the value list and the value parts to the operator's operand count.
    void SetArgumentStrings();
    //! Lays the parts out from Left (the button's left edge).
    void SetDimensionControls(int Left);
    //! Lays the line out again where it stands: one indent right of its parent line.
    void Relayout();
    //! Moves the parts from Index on by Delta pixels.
    void OffsetControls(int Index, int Delta);
    int LeftBound() const;
    //! Content y of the line; -1 when it is not shown (inside a collapsed group).
    int TopBound() const;
    //! " " for the top line, else "2.1." and the like.
    std::string FullIndex() const;
    //! The line above and below in the stacking order; nullptr at the ends.
    TKRCriterionRow *PreviousRow() const;
    TKRCriterionRow *NextRow() const;
    //! Takes over Source's texts through the setters, so the criterion follows.
    void Assign(const TKRCriterionRow &Source);
    //! The state of a new line.
    void Init();
    //! Frees every part.
    void RemoveControls();
    //! Makes parts 0 to 4 and the value parts, and lays the line out; called once the line is in
    //! its collection.
    void CreateControls();

private:
    TKRCriterionRows *FCollection;
    std::unique_ptr<TKRCriterionRows> FRows;
    std::string FField;
    std::string FAggregateFunc1;
    std::string FAggregateFunc2;
    TKROperator *FOperator = nullptr;
    std::string FOperatorName;
    std::vector<std::string> FArguments;
    bool FExpanded = false;
    std::vector<std::unique_ptr<TKRControl>> FControls;
    std::string FGroupOperator;
    TKRCriterion *FCriterion = nullptr;
};

} // namespace korvan
