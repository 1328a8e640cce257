#pragma once
// The signals that ask a program to end (hang-up, interrupt, quit,
// terminate) are taken as a request to close the window: the handler only
// notes the request, and the main loop saves and quits as it always does.
#include <csignal>

// Installs the handlers; call again after anything that installs its own.
void CatchStopSignals();
// True once for each request received since the last call.
bool TakeStopRequest();
// The number of the last signal caught (for tests), 0 when none.
int LastStopSignal();
