// Every text that Korvan shows to a person or puts into an error message, in one place.
// SQL words and generated SQL are not here: they belong to the parser and its dialects.
#pragma once

namespace korvan {

// The texts are constexpr so that they can be used in constant expressions. Nothing checks their
// placeholders when the code is compiled: Format (framework/KRText.h) fills %s and %d with whatever
// arguments it is given and fails only when one is missing. The comment above a text names its
// arguments, in order.

// Parser errors
//! Token, its position in the line, line number.
inline constexpr const char *SInvalidToken = "Invalid token '%s' at position %d of line %d.";
inline constexpr const char *SUnexpectedEnd = "Unexpected end of statement.";
inline constexpr const char *SUnterminatedString = "Unterminated string.";
inline constexpr const char *SUnterminatedComment = "Unterminated comment.";
//! Error code.
inline constexpr const char *SUnknownError = "Unknown error (#%d).";

// Criteria filters and the criteria editor
inline constexpr const char *SFilterAll = "All";
inline constexpr const char *SFilterAny = "Any";
inline constexpr const char *SFilterNone = "None";
inline constexpr const char *SFilterNotAll = "Not all";
//! Drawn right after the filter word of a group line: "All of following are met".
inline constexpr const char *SOfFollowingAreMet = " of following are met";
inline constexpr const char *SInvalidConditionsParent = "Invalid parent for conditions panel";
inline constexpr const char *SAddCondition = "Add condition";
inline constexpr const char *SMakeComposeCondition = "Make compose condition";
inline constexpr const char *SDeleteCondition = "Delete condition";
inline constexpr const char *SExpandCondition = "Expand condition";
inline constexpr const char *SCollapseCondition = "Collapse condition";
inline constexpr const char *SInsertField = "Insert field";
inline constexpr const char *SInsertFieldHint = "Press Shift+Enter to insert field";
inline constexpr const char *SNoActiveButton = "There is no active button";
inline constexpr const char *SConditionAlreadyComposed = "Selected condition is already composed";
inline constexpr const char *SCantDeleteFirstRow = "Can't delete first row";
inline constexpr const char *SCantExpandSimpleCondition = "Can't expand/collapse simple condition";
inline constexpr const char *SCantCollapseFirstCondition = "Can't collapse first condition";
inline constexpr const char *SDeleteConditionsQuestion =
        "Are you sure you want to delete current condition(s)?";
//! Caption of every Yes/No question of the editors (the output-field grid asks under it too).
inline constexpr const char *SConfirmation = "Confirmation";

// Dialect options
inline constexpr const char *SOptionFirst = "First";
inline constexpr const char *SOptionSkip = "Skip";
inline constexpr const char *SOptionRows = "Rows";
inline constexpr const char *SOptionRowsTo = "To";
inline constexpr const char *SOptionRowsBy = "By";
inline constexpr const char *SOptionPercent = "Percent";
inline constexpr const char *SOptionWithTies = "With ties";

// The dialect list: a line on each dialect, and the errors of asking for one
inline constexpr const char *SDialectGeneric = "Standard SQL, names in double quotes";
inline constexpr const char *SDialectInterBase =
        "InterBase: upper-case names, ROWS, quoting by SQL dialect 1 or 3";
inline constexpr const char *SDialectFirebird =
        "Firebird: upper-case names, FIRST, SKIP and ROWS, quoting by SQL dialect 1 or 3";
inline constexpr const char *SDialectMySQL = "MySQL: names in back quotes, select options and LIMIT";
//! The name asked for, the names of the dialects there are.
inline constexpr const char *SUnknownDialect = "Unknown dialect '%s' (the dialects are %s)";
//! Dialect name, option name.
inline constexpr const char *SDialectTakesNoOption = "Dialect '%s' takes no option %s";
//! The value given.
inline constexpr const char *SInvalidSQLDialect = "SQL dialect %d is not 1 or 3";

// The schema source over an application's database connection
//! Connection name.
inline constexpr const char *SSchemaNoConnection = "there is no database connection '%s'";
inline constexpr const char *SSchemaNotOpen = "the database is not open";
//! Table name, the reason (one of the texts above, or the database's own message).
inline constexpr const char *SSchemaReadFieldsFailed = "Cannot read the fields of table '%s': %s";
//! The reason.
inline constexpr const char *SSchemaReadTablesFailed = "Cannot read the tables of the database: %s";

// Component: the captions of its four pages
inline constexpr const char *SCriteria = "Criteria";
inline constexpr const char *SSelection = "Selection";
inline constexpr const char *SGroupingCriteria = "Grouping criteria";
inline constexpr const char *SSorting = "Sorting";

// Work area and table windows
inline constexpr const char *SInvalidWorkAreaParent = "Given parent is not valid for WorkArea!";
//! Joined as STableWithAlias + " " + alias + " " + SAlreadyExist.
inline constexpr const char *STableWithAlias = "Table with alias";
inline constexpr const char *SAlreadyExist = "already exist";
inline constexpr const char *SFieldTypeFloat = "Float";
inline constexpr const char *SFieldTypeInteger = "Integer";
//! Also the text of a field whose type is unknown.
inline constexpr const char *SFieldTypeString = "String";
inline constexpr const char *SFieldTypeBoolean = "Boolean";
inline constexpr const char *SFieldTypeBCD = "BCD";
inline constexpr const char *SFieldTypeDate = "Date";
inline constexpr const char *SFieldTypeTime = "Time";
inline constexpr const char *SFieldTypeDateTime = "DateTime";
inline constexpr const char *SFieldTypeBytes = "Bytes";
inline constexpr const char *SFieldTypeVarBytes = "VarBytes";
inline constexpr const char *SFieldTypeBlob = "Blob";
inline constexpr const char *SFieldTypeGraphic = "Graphic";
inline constexpr const char *SFieldTypeParadoxOle = "ParadoxOle";
inline constexpr const char *SFieldTypeDBaseOle = "DBaseOle";
inline constexpr const char *SFieldTypeTypedBinary = "Typed binary";
inline constexpr const char *SFieldTypeCursor = "Cursor";
inline constexpr const char *SFieldTypeADT = "ADT";
inline constexpr const char *SFieldTypeArray = "Array";
inline constexpr const char *SFieldTypeReference = "Reference";
inline constexpr const char *SFieldTypeDataSet = "Data set";
inline constexpr const char *SFieldTypeOraBlob = "Ora blob";
inline constexpr const char *SFieldTypeOraClob = "Ora clob";
inline constexpr const char *SFieldTypeVariant = "Variant";
inline constexpr const char *SFieldTypeInterface = "Interface";
inline constexpr const char *SFieldTypeIDispatch = "IDispatch";
inline constexpr const char *SFieldTypeGuid = "Guid";
inline constexpr const char *SInvalidTableParent = "Invalid parent for table object!";
inline constexpr const char *SCollapseExpandTable = "Collapse/Expand table";
inline constexpr const char *SUnlinkTable = "Unlink table";
inline constexpr const char *SCloseTable = "Close table";
inline constexpr const char *SUnselectAllFields = "Unselect all fields";
inline constexpr const char *SSelectAllFields = "Select all fields";
inline constexpr const char *SEditAliasHint = "Double click for edit alias";
inline constexpr const char *SDeleteTable = "Delete table";
inline constexpr const char *SRenameTable = "Rename table";

// Links and the link dialog
//! Point index (the blank at the end belongs to the message).
inline constexpr const char *SInvalidPointIndex = "Invalid index = %d ";
//! Table name.
inline constexpr const char *SInvalidLinkTable = "Invalid table %s in Link control";
inline constexpr const char *SDeletePoint = "Delete point";
inline constexpr const char *SInsertPoint = "Insert point";
inline constexpr const char *SDeleteLink = "Delete link";
inline constexpr const char *SLinkProperty = "Property";
inline constexpr const char *SAttention = "Attention!";
//! Followed by CR LF, the first table's name, " ", SAnd, " " and the second table's name.
inline constexpr const char *SDeleteLinkQuestion = "Do you really want to delete the link between ";
//! Joins two table names in the delete-link question and in the link dialog's heading.
inline constexpr const char *SAnd = "and";
inline constexpr const char *SLinkProperties = "Link properties";
//! Button captions, also of the operators editor.
inline constexpr const char *SOK = "OK";
inline constexpr const char *SCancel = "Cancel";
inline constexpr const char *SInvalidLink = "Invalid link";
//! Followed by the first table's name, " ", SAnd, " " and the second table's name.
inline constexpr const char *SJoinTables = "join tables: ";
//! Followed by " " and a table's name.
inline constexpr const char *SIncludeAllFrom = "Include all from";

// Select and sort panels
inline constexpr const char *SSelectUniqueRecords = "Select only unique records";
inline constexpr const char *SOutputFieldName = "Name of output field";
inline constexpr const char *SAggregate = "Aggregate";
inline constexpr const char *SSourceFieldName = "Source field name";
inline constexpr const char *SDeleteCurrentRow = "Delete current row";
inline constexpr const char *SOutputFields = "Output fields";
inline constexpr const char *SSortedFields = "Sorted fields";
inline constexpr const char *SSortOrder = "Sort order";
//! The sort panel keeps a field's direction only as this text or SDescending and reads it back.
inline constexpr const char *SAscending = "Ascending";
inline constexpr const char *SDescending = "Descending";
inline constexpr const char *SOrderAZ = "A..Z";
inline constexpr const char *SOrderZA = "Z..A";
inline constexpr const char *SMoveUp = "Up";
inline constexpr const char *SMoveDown = "Down";
inline constexpr const char *SInvalidSelectGridParent = "Invalid parent for SelectGrid";
//! Raised by the select panel as well as by the sort panel.
inline constexpr const char *SInvalidOrderPanelParent = "Invalid parent for OrderPanel";
inline constexpr const char *SDeleteRowQuestion = "Are you sure you want to delete current row?";
inline constexpr const char *SCantDeleteLastRow = "Can't delete last row!";
//! The source typed into the output-field grid, which names no field row of a table window.
inline constexpr const char *SFieldNotFound = "Field %s not found";

// Design-time editors
inline constexpr const char *SPackageDescription = "Brell Korvan component suite";
inline constexpr const char *SPalettePage = "Brell Korvan";
inline constexpr const char *SOperatorProperties = "Operator properties";
inline constexpr const char *SOperatorName = "Operator name";
inline constexpr const char *SDisplayName = "Display name: ";
inline constexpr const char *SCountOfOperands = "Count of operands:";
inline constexpr const char *SOperatorPrefix = "Prefix";
inline constexpr const char *SOperatorRelate = "Relate";
inline constexpr const char *SOperatorPostfix = "Postfix";
inline constexpr const char *SAvailableOperators = " Available operators ";
inline constexpr const char *SAddOperator = "Add operator";
inline constexpr const char *SDeleteOperator = "Delete operator";
inline constexpr const char *SFeatures = " Features ";
inline constexpr const char *SSQLExpression = "SQL expression:";
//! The preview starts with this stand-in for the left operand ...
inline constexpr const char *SPreviewLeftOperand = "??? ";
//! ... and shows this one for each further operand.
inline constexpr const char *SPreviewOperand = " ??? ";
//! The line number, what is wrong with it.
inline constexpr const char *SOperatorLineInvalid = "Line %d of the operator table: %s";
//! The number of items found.
inline constexpr const char *SOperatorItemCount =
        "an operator has 6 items (name, caption, count, prefix, relate, postfix), not %d";
//! The text given as the count.
inline constexpr const char *SOperatorCountInvalid = "the operand count '%s' is not a number";

} // namespace korvan
