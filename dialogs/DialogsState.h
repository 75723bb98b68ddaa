#pragma once
// State of the dialogs area: what a window writes just before it builds one
// of the small dialogs, which picks its text by it. GUI thread only.

// The result of the last configuration-file read, written by the
// apply-and-wait dialog before it builds the notice: 1 the file cannot be
// opened or is not ours ("label"), 2 it belongs to another model ("label_1").
extern int g_InportResult;
// The index of the last offline report, written by the top-level window
// before it builds the notice: 0 selects the offline text, 1 the time-out text.
extern int g_MouseOffLineIndex;
// 1 while the button page's import dialog exists (its texts then read as the
// import's).
extern int g_ImportingProfile;

namespace DialogsState {
void ResetState();
}
