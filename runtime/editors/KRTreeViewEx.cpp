#include "editors/KRTreeViewEx.h"

#include <QKeyEvent>

namespace korvan {

TKRTreeViewEx::TKRTreeViewEx(QWidget *Parent)
    : QTreeWidget(Parent)
{
    hide();
    // A thick frame the user can pull wider, as the picker's names may be long.
    setWindowFlag(Qt::SubWindow);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(true);
    sortByColumn(0, Qt::AscendingOrder);
    setIconSize(QSize(16, 16));
    resize(150, 150);
}

void TKRTreeViewEx::keyPressEvent(QKeyEvent *Event)
{
    if (Event->key() == Qt::Key_Escape) {
        if (OnCancel)
            OnCancel();
        return;
    }
    if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) {
        if (OnChoose)
            OnChoose();
        return;
    }
    QTreeWidget::keyPressEvent(Event);
}

void TKRTreeViewEx::mouseDoubleClickEvent(QMouseEvent *Event)
{
    QTreeWidget::mouseDoubleClickEvent(Event);
    if (OnChoose)
        OnChoose();
}

void TKRTreeViewEx::focusOutEvent(QFocusEvent *Event)
{
    QTreeWidget::focusOutEvent(Event);
    if (isVisible() && OnExit)
        OnExit();
}

} // namespace korvan
