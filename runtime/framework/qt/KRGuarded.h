// The guarded call: no exception crosses Qt's event dispatch.
#pragma once

#include <functional>

class QWidget;

namespace korvan {

//! Runs Call and returns true. When Call throws a korvan::Exception or another std::exception,
//! shows its message through the prompter's ShowException (a box under the application's title,
//! with the error icon and OK, over Context's window) and returns false. Event handlers and the
//! views' entry points that can throw run through it.
bool KRGuarded(QWidget *Context, const std::function<void()> &Call);

} // namespace korvan
