// The field picker of the criteria editors: a resizable tree of the diagram's tables and their
// fields, shown under the in-place editor while a field is being inserted.
#pragma once

#include <functional>

#include <QTreeWidget>

namespace korvan {

class TKRTreeViewEx : public QTreeWidget
{
public:
    explicit TKRTreeViewEx(QWidget *Parent);

    //! The picker lost the focus while shown; Enter or a double click; Escape.
    std::function<void()> OnExit;
    std::function<void()> OnChoose;
    std::function<void()> OnCancel;

protected:
    void keyPressEvent(QKeyEvent *Event) override;
    void mouseDoubleClickEvent(QMouseEvent *Event) override;
    void focusOutEvent(QFocusEvent *Event) override;
};

} // namespace korvan
