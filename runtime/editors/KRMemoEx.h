// The in-place text editor of the criteria editors: a borderless multi-line editor laid over the
// part being edited. Enter commits, Escape cancels, Ctrl+Enter or Alt+Enter breaks the line,
// Shift+Enter opens the field picker.
#pragma once

#include <functional>

#include <QPlainTextEdit>

namespace korvan {

class TKRMemoEx : public QPlainTextEdit
{
public:
    explicit TKRMemoEx(QWidget *Parent);

    //! The text as one std::string (UTF-8), line breaks as CR LF.
    std::string Text() const;
    void SetText(const std::string &Value);

    //! Enter without Shift, Ctrl or Alt; Escape; the editor lost the focus.
    std::function<void()> OnCommit;
    std::function<void()> OnCancel;
    std::function<void()> OnExit;
    //! Shift+Enter.
    std::function<void()> OnInsertField;

protected:
    void keyPressEvent(QKeyEvent *Event) override;
    void focusOutEvent(QFocusEvent *Event) override;
};

} // namespace korvan
