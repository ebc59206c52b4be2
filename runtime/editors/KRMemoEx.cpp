#include "editors/KRMemoEx.h"

#include "resources/KRResource.h"

#include <QKeyEvent>

namespace korvan {

TKRMemoEx::TKRMemoEx(QWidget *Parent)
    : QPlainTextEdit(Parent)
{
    hide();
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setToolTip(QString::fromUtf8(SInsertFieldHint));
    document()->setDocumentMargin(1);
}

std::string TKRMemoEx::Text() const
{
    std::string Result;
    for (const char C : toPlainText().toStdString()) {
        if (C == '\n')
            Result += "\r\n";
        else
            Result += C;
    }
    return Result;
}

void TKRMemoEx::SetText(const std::string &Value)
{
    std::string Lines;
    for (const char C : Value)
        if (C != '\r')
            Lines += C;
    setPlainText(QString::fromStdString(Lines));
}

void TKRMemoEx::keyPressEvent(QKeyEvent *Event)
{
    const bool Enter = Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter;
    const auto Modifiers = Event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (Event->key() == Qt::Key_Escape) {
        if (OnCancel)
            OnCancel();
        return;
    }
    if (Enter && Modifiers == Qt::NoModifier) {
        if (OnCommit)
            OnCommit();
        return;
    }
    if (Enter && (Modifiers & (Qt::ControlModifier | Qt::AltModifier))) {
        // A line break in the value; the selection is replaced by it.
        textCursor().insertText(QStringLiteral("\n"));
        return;
    }
    if (Enter) {
        if (OnInsertField)
            OnInsertField();
        return;
    }
    QPlainTextEdit::keyPressEvent(Event);
}

void TKRMemoEx::focusOutEvent(QFocusEvent *Event)
{
    QPlainTextEdit::focusOutEvent(Event);
    if (isVisible() && OnExit)
        OnExit();
}

} // namespace korvan
