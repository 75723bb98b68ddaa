#pragma once
// The key vocabulary shared by the macro editor, the button page and the
// key-capture dialogs: every key event is shown, stored and sent under one key
// name. The conversions here keep no state of their own; they depend only on
// their arguments and on the current mouse-button names.

#include "GlobalState.h"

#include <QString>
#include <QStringList>
#include <cstdint>

// Kinds of a device macro event and of a macro-file line.
enum KeyKind {
    KeyKindModifier = 0,   // coded by its bit in the HID modifier byte
    KeyKindKey = 1,        // coded by its HID keyboard usage (page 0x07)
    KeyKindMouseButton = 4 // coded by its bit in the mouse-button mask
};

// The bit numbers of the mouse buttons' mask: left (0x01), right (0x02),
// middle (0x04), back (0x08) and forward (0x10); g_MouseButtonNames
// (GlobalState.h) holds the current language's names by this index.
enum MouseButtonIndex {
    MouseButtonLeft = 0,
    MouseButtonRight = 1,
    MouseButtonMiddle = 2,
    MouseButtonBack = 3,
    MouseButtonForward = 4,
    MouseButtonCount = 5
};
static_assert(MouseButtonCount == MouseButtonNameCount, "one name per mouse button");

// Windows virtual-key code to key name. Returns the name, or a null QString
// when the code has no name; `hasName` (if given) tells the two apart, since
// virtual key 0x0C has a name: the empty one.
QString VirtualKeyToKeyName(int virtualKey, bool *hasName = nullptr);

// The naming of the single-key capture dialog: no name for Space (32) and
// RAlt (165); keys without a name and 0x0C give the empty text.
QString AddKeyVirtualKeyName(int virtualKey);

// The naming of the combination capture dialog: as AddKeyVirtualKeyName, and
// no name for the seven other sided modifiers either (160-164, 91, 92):
// modifiers enter a combination only through its check boxes.
QString GroupKeyVirtualKeyName(int virtualKey);

// Key name to kind and device code. Looks names up in the fixed order: the
// key names other than F1..F12, then the five mouse-button names (left, right,
// middle, back, forward), then F1..F12; the first equal name wins. Returns
// false (and leaves the outputs alone) for a name outside the vocabulary.
bool LookupKeyName(const QString &name, int *kind, int *code);

// Size of one macro record of the parameter record, and its event capacity.
constexpr int KeyVocabularyMacroRecordSize = 592;
constexpr int KeyVocabularyMacroEventCount = 70;

// Writes the kind byte (33 + 8k) and the little-endian 16-bit code (34 + 8k)
// of device macro event k of a 592-byte macro record. A name outside the
// vocabulary writes kind 1 and leaves the code bytes as they are. An event
// index outside 0..69 writes nothing.
void KeyNameToDeviceCode(const QString &name, int k, uint8_t *record);

// Key name to the macro file's code pair: {"0x" + two upper-case hex digits,
// kind digit}; an empty list for a name outside the vocabulary.
QStringList KeyNameToFileCode(const QString &name);

// The name whose file pair is (code, type); the code text is compared
// exactly, the type as a number. A pair that no name has gives "".
QString CodeToKeyName(const QString &code, int type);

// The name of a device event of kind 0 or 1. The kind decides only where a
// key and a modifier share a code (0x04, 0x08, 0x10, 0x20, 0x40); every other
// code is looked up whatever the kind. Usage 0x58 (keypad Enter) reads back as
// "Enter"; an unknown code gives "".
QString DeviceCodeToKeyName(int code, int kind);

// The current language's name of one mouse button by its mask; any other
// value, combinations of bits included, gives "".
QString MouseButtonName(int mask);

// The 104 key names of the vocabulary, in lookup order (F1..F12 last).
QStringList AllKeyNames();

// ---- The combination view of the vocabulary: what a button's key
// combination (a KeyEventRecord) is written and read with. The same key
// names and codes, except that the modifiers are the four generic names
// "Ctrl" 1, "Shift" 2, "Alt" 4, "Win" 8 (kind 0) in place of the eight sided
// ones, and there are no mouse-button names. F1..F12 are 0x3A..0x45 both ways.

// Name to kind and code; false (outputs untouched) for a name outside the view.
bool LookupComboKeyName(const QString &name, int *kind, int *code);

// The name of one event of a combination: the kind decides only where a key
// and a modifier share a code (0x04 A/Alt, 0x08 E/Win, 0x10 M/Ctrl,
// 0x20 3/Shift, 0x40 F7/Alt; for the first four any other kind names
// nothing); 0x01 "Ctrl", 0x02 "Shift" and 0x80 "Win" whatever the kind; usage
// 0x58 (keypad Enter) reads back as "Enter"; an unknown code gives "".
QString ComboCodeToKeyName(int code, int kind);
