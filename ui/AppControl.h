// The request to end the application. It may come before the event loop runs (a start-up that finds no list),
// so it is remembered as well as passed to the event loop.
#pragma once

namespace app {

// Ends the application as soon as the current operation has returned; nothing more is saved.
void requestEnd();
bool endRequested();
// For tests that create several main windows in one process.
void resetEndRequest();

} // namespace app
