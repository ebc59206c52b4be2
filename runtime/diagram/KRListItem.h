// One field row of a table window (or one parameter row of a stored procedure's window).
#pragma once

#include "framework/KRDataSet.h"
#include "framework/KRSet.h"

#include <cstdint>
#include <string>

#include <QRect>

namespace korvan {

class TKRCanvas;
class TKRTable;

enum TKRItemStateItem : std::uint8_t {
    isSelected, //!< the focused row
    isFocused, //!< its window is selected
    isDroped //!< the drop target of a field drag
};
using TKRItemState = TSet<TKRItemStateItem>;

// The field types that a link may join with one another.
using CompatibleFields = TFieldTypes;
extern const CompatibleFields sFloat;
extern const CompatibleFields sNumeric;
extern const CompatibleFields sString;
extern const CompatibleFields sDateTime;

class TKRListItem
{
public:
    TKRListItem(TKRTable *Table, std::string ColumnName, std::string Name, TFieldType DataType,
            TParamType ParamType);

    TKRTable *Table() const { return FTable; }
    const std::string &Name() const { return FName; }
    const std::string &ColumnName() const { return FColumnName; }
    TFieldType DataType() const { return FDataType; }
    TParamType ParamType() const { return FParamType; }
    const TParamValue &ParamValue() const { return FParamValue; }
    void SetParamValue(TParamValue Value) { FParamValue = std::move(Value); }
    //! An output row: the field is in the select list; an input row: a value is set.
    bool Checked() const { return FChecked; }
    //! The row belongs to the selected link and is drawn bold.
    bool Selected() const { return FSelected; }
    bool IsNull() const { return FIsNull; }
    void SetIsNull(bool Value) { FIsNull = Value; }

    //! The row band (content coordinates) that links attach to.
    QRect GetBoundsRect() const;
    //! Position in the window's rows.
    int GetIndex() const;
    //! The type as the row's hint and the field-type option show it; empty for a type without a
    //! name.
    std::string GetDataName() const;
    //! Stores the flag and repaints the row's text.
    void SetSelect(bool Value);
    //! The user's check: an input parameter asks the application for its value instead; an output
    //! row tells the component. Either way the check mark and the select-all box follow.
    void SetCheck(bool Value);
    //! Stores the check without events and repaints the check mark; an output row updates its
    //! window's select-all box.
    void UpdateCheck(bool Value);
    //! Draws the row in Rect (client coordinates): check mark, then " " + Name (and its type with
    //! the field-type option), bold while Selected; State gives its highlight.
    void DrawItem(TKRCanvas &Canvas, QRect Rect, bool UseBrush, TKRItemState State) const;

private:
    TKRTable *const FTable;
    std::string FName;
    TParamValue FParamValue;
    TFieldType FDataType;
    TParamType FParamType;
    bool FChecked = false;
    bool FSelected = false;
    bool FIsNull = true;
    bool FUpdating = false;
    std::string FColumnName;
};

} // namespace korvan
