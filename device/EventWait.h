#pragma once
// The one way the GUI thread waits a fixed time: a local event loop ended by
// a timer. The thread keeps serving paint events, the hub's deliveries and
// the library's blocking callbacks while it waits, and burns no CPU (a loop
// around processEvents returns at once when nothing is pending and spins).
//
// Whatever runs during the wait may change the windows: a caller that acts on
// state it read before the wait checks that state again afterwards.

namespace EventWait {

void For(int ms);

} // namespace EventWait
