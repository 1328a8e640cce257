#include "platform/stop_signals.h"

#include <initializer_list>

namespace {

volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t lastSignal = 0;

// Only async-signal-safe work here: noting the request.
extern "C" void noteStopRequest(int signalNumber) {
  lastSignal = signalNumber;
  stopRequested = 1;
}

}  // namespace

void CatchStopSignals() {
  struct sigaction action {};
  action.sa_handler = noteStopRequest;
  sigemptyset(&action.sa_mask);
  // Reads and writes in progress go on; the loop sees the request next frame.
  action.sa_flags = SA_RESTART;
  for (int signalNumber : {SIGHUP, SIGINT, SIGQUIT, SIGTERM}) sigaction(signalNumber, &action, nullptr);
}

bool TakeStopRequest() {
  if (!stopRequested) return false;
  stopRequested = 0;
  return true;
}

int LastStopSignal() { return lastSignal; }
