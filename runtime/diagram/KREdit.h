// The one-line edit boxes the work area lays over its windows: the alias editor (borderless, over
// a caption) and the find-field box (bordered, under a window). They tell their owner of keys and
// of losing the focus through plain callbacks.
#pragma once

#include "framework/qt/KRKeys.h"

#include <functional>
#include <utility>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace korvan {

class TKREdit : public QLineEdit
{
public:
    //! Key is a virtual key (VK_...); set it to 0 to keep the box from handling the key.
    using TKeyEvent = std::function<void(TKREdit *Sender, int &Key, TKRShiftState Shift)>;

    explicit TKREdit(QWidget *Parent, bool Border)
        : QLineEdit(Parent)
    {
        setFrame(Border);
        hide();
    }

    void SetOnKeyDown(TKeyEvent Value) { FOnKeyDown = std::move(Value); }
    void SetOnKeyUp(TKeyEvent Value) { FOnKeyUp = std::move(Value); }
    //! Runs when the box loses the focus while it shows.
    void SetOnExit(std::function<void()> Value) { FOnExit = std::move(Value); }

protected:
    void keyPressEvent(QKeyEvent *Event) override
    {
        int Key = KRVirtualKey(*Event);
        if (FOnKeyDown)
            FOnKeyDown(this, Key, KRShiftState(*Event));
        if (Key != 0 || KRVirtualKey(*Event) == 0)
            QLineEdit::keyPressEvent(Event);
    }
    void keyReleaseEvent(QKeyEvent *Event) override
    {
        QLineEdit::keyReleaseEvent(Event);
        int Key = KRVirtualKey(*Event);
        if (FOnKeyUp)
            FOnKeyUp(this, Key, KRShiftState(*Event));
    }
    void focusOutEvent(QFocusEvent *Event) override
    {
        QLineEdit::focusOutEvent(Event);
        if (FOnExit && isVisible())
            FOnExit();
    }

private:
    TKeyEvent FOnKeyDown;
    TKeyEvent FOnKeyUp;
    std::function<void()> FOnExit;
};

} // namespace korvan
