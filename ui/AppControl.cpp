#include "AppControl.h"

#include <QCoreApplication>

namespace app {
namespace {
bool requested = false;
}

void requestEnd() {
    requested = true;
    // Before the event loop runs this does nothing; the entry then sees the flag and never shows a window.
    QCoreApplication::exit(0);
}

bool endRequested() {
    return requested;
}
void resetEndRequest() {
    requested = false;
}

} // namespace app
