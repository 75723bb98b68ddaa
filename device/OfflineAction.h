#pragma once
// The user's action that met the offline notice.
//
// One action (a click, a press and drag, a pick from a list, a typed value)
// may reach several handlers (a rate button's click reaches the rate widget
// and the page) and several events (a slider's press, its drag, its
// release). When a handler finds the mouse offline, the notice runs modally
// inside it, and the mouse may come back before the notice closes: the
// notice then closes by itself and the read of the returned mouse starts.
// What is left of the action must not reach the mouse then: the user chose
// while the mouse could not take the choice, and the read shows what it
// holds instead of it.
//
// So when an offline notice closes and the mouse answers again, every write
// the user starts is refused, with no further notice, until the action ends.
// The top-level window tells when a notice has closed (it runs the notice)
// and watches the input for the end: control back in the event loop with no
// mouse button held, the release of the last held button handled, or a new
// press. A notice the user closed while the mouse is still offline leaves
// the action as it is: whatever of it comes next finds the mouse offline
// and tells the user again.
//
// GUI thread only.

namespace OfflineAction {

// The offline notice of the current action has closed: true when the
// mouse answers now, and the rest of the action is void.
bool NoticeClosed();
// The action has ended; writes go again.
void End();
// True from a NoticeClosed() that found the mouse back to End().
bool Voided();

// The online test of every write the user starts: the selected mouse answers
// and the current action has not met the offline notice.
bool DeviceAnswers();

} // namespace OfflineAction
