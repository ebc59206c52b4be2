#include "framework/qt/KRGuarded.h"

#include "framework/KRException.h"
#include "framework/qt/KRPrompter.h"

namespace korvan {

bool KRGuarded(QWidget *Context, const std::function<void()> &Call)
{
    try {
        Call();
        return true;
    } catch (const Exception &E) {
        KRPrompter().ShowException(Context, E.Message());
    } catch (const std::exception &E) {
        KRPrompter().ShowException(Context, E.what());
    }
    return false;
}

} // namespace korvan
