#include "KeyVocabulary.h"
#include "GlobalState.h"

namespace {

struct KeyRow
{
    const char *name; // UTF-8
    int virtualKey;   // -1: none
    int kind;
    int code;
};

// The key names other than F1..F12, in table order. Lookups by name test these
// first, then the mouse-button names, then the function keys.
const KeyRow kMainKeys[] = {
    {"A", 0x41, 1, 0x04},
    {"B", 0x42, 1, 0x05},
    {"C", 0x43, 1, 0x06},
    {"D", 0x44, 1, 0x07},
    {"E", 0x45, 1, 0x08},
    {"F", 0x46, 1, 0x09},
    {"G", 0x47, 1, 0x0A},
    {"H", 0x48, 1, 0x0B},
    {"I", 0x49, 1, 0x0C},
    {"J", 0x4A, 1, 0x0D},
    {"K", 0x4B, 1, 0x0E},
    {"L", 0x4C, 1, 0x0F},
    {"M", 0x4D, 1, 0x10},
    {"N", 0x4E, 1, 0x11},
    {"O", 0x4F, 1, 0x12},
    {"P", 0x50, 1, 0x13},
    {"Q", 0x51, 1, 0x14},
    {"R", 0x52, 1, 0x15},
    {"S", 0x53, 1, 0x16},
    {"T", 0x54, 1, 0x17},
    {"U", 0x55, 1, 0x18},
    {"V", 0x56, 1, 0x19},
    {"W", 0x57, 1, 0x1A},
    {"X", 0x58, 1, 0x1B},
    {"Y", 0x59, 1, 0x1C},
    {"Z", 0x5A, 1, 0x1D},
    {"1", 0x31, 1, 0x1E},
    {"2", 0x32, 1, 0x1F},
    {"3", 0x33, 1, 0x20},
    {"4", 0x34, 1, 0x21},
    {"5", 0x35, 1, 0x22},
    {"6", 0x36, 1, 0x23},
    {"7", 0x37, 1, 0x24},
    {"8", 0x38, 1, 0x25},
    {"9", 0x39, 1, 0x26},
    {"0", 0x30, 1, 0x27},
    {"Enter", 0x0D, 1, 0x28},
    {"Esc", 0x1B, 1, 0x29},
    {"BackSpace", 0x08, 1, 0x2A},
    {"Tab", 0x09, 1, 0x2B},
    {"Space", 0x20, 1, 0x2C},
    {"-", 0xBD, 1, 0x2D},
    {"=", 0xBB, 1, 0x2E},
    {"[", 0xDB, 1, 0x2F},
    {"]", 0xDD, 1, 0x30},
    {"\\", 0xDC, 1, 0x31},
    {";", 0xBA, 1, 0x33},
    {"'", 0xDE, 1, 0x34},
    {"`", 0xC0, 1, 0x35},
    {",", 0xBC, 1, 0x36},
    {".", 0xBE, 1, 0x37},
    {"/", 0xBF, 1, 0x38},
    {"CapsLock", 0x14, 1, 0x39},
    {"Screen", 0x2C, 1, 0x46},
    {"Scroll", 0x91, 1, 0x47},
    {"Pause", 0x13, 1, 0x48},
    {"Insert", 0x2D, 1, 0x49},
    {"Home", 0x24, 1, 0x4A},
    {"PgUp", 0x21, 1, 0x4B},
    {"Del", 0x2E, 1, 0x4C},
    {"End", 0x23, 1, 0x4D},
    {"PgDn", 0x22, 1, 0x4E},
    {"\xE2\x86\x92", 0x27, 1, 0x4F}, // →
    {"\xE2\x86\x90", 0x25, 1, 0x50}, // ←
    {"\xE2\x86\x93", 0x28, 1, 0x51}, // ↓
    {"\xE2\x86\x91", 0x26, 1, 0x52}, // ↑
    {"NumLock", 0x90, 1, 0x53},
    {"Num/", 0x6F, 1, 0x54},
    {"Num*", 0x6A, 1, 0x55},
    {"Num-", 0x6D, 1, 0x56},
    {"Num+", 0x6B, 1, 0x57},
    {"Num1", 0x61, 1, 0x59},
    {"Num2", 0x62, 1, 0x5A},
    {"Num3", 0x63, 1, 0x5B},
    {"Num4", 0x64, 1, 0x5C},
    {"Num5", 0x65, 1, 0x5D},
    {"Num6", 0x66, 1, 0x5E},
    {"Num7", 0x67, 1, 0x5F},
    {"Num8", 0x68, 1, 0x60},
    {"Num9", 0x69, 1, 0x61},
    {"Num0", 0x60, 1, 0x62},
    {"Num.", 0x6E, 1, 0x63},
    {"APPs", 0x5D, 1, 0x65},
    {"", 0x0C, 1, 0x00},
    {"LCtrl", 0xA2, 0, 0x01},
    {"LShift", 0xA0, 0, 0x02},
    {"LAlt", 0xA4, 0, 0x04},
    {"LWin", 0x5B, 0, 0x08},
    {"RCtrl", 0xA3, 0, 0x10},
    {"RShift", 0xA1, 0, 0x20},
    {"RAlt", 0xA5, 0, 0x40},
    {"RWin", 0x5C, 0, 0x80},
};

const KeyRow kFunctionKeys[] = {
    {"F1", 0x70, 1, 0x3A}, {"F2", 0x71, 1, 0x3B},  {"F3", 0x72, 1, 0x3C},  {"F4", 0x73, 1, 0x3D},
    {"F5", 0x74, 1, 0x3E}, {"F6", 0x75, 1, 0x3F},  {"F7", 0x76, 1, 0x40},  {"F8", 0x77, 1, 0x41},
    {"F9", 0x78, 1, 0x42}, {"F10", 0x79, 1, 0x43}, {"F11", 0x7A, 1, 0x44}, {"F12", 0x7B, 1, 0x45},
};

static_assert(sizeof(kMainKeys) / sizeof(kMainKeys[0]) == 92, "92 key names besides F1..F12");
static_assert(sizeof(kFunctionKeys) / sizeof(kFunctionKeys[0]) == 12, "F1..F12");

// Mouse-button masks in lookup order: left, right, middle, back, forward.
const int kMouseMasks[MouseButtonCount] = {0x01, 0x02, 0x04, 0x08, 0x10};

QString rowName(const KeyRow &row)
{
    return QString::fromUtf8(row.name);
}

const KeyRow *findByVirtualKey(int virtualKey)
{
    for (const KeyRow &row : kMainKeys)
        if (row.virtualKey == virtualKey)
            return &row;
    for (const KeyRow &row : kFunctionKeys)
        if (row.virtualKey == virtualKey)
            return &row;
    return nullptr;
}

QString fileCodeText(int code)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString VirtualKeyToKeyName(int virtualKey, bool *hasName)
{
    const KeyRow *row = findByVirtualKey(virtualKey);
    if (hasName)
        *hasName = row != nullptr;
    return row ? rowName(*row) : QString();
}

QString AddKeyVirtualKeyName(int virtualKey)
{
    if (virtualKey == 0x20 || virtualKey == 0xA5)
        return QStringLiteral("");
    const QString name = VirtualKeyToKeyName(virtualKey);
    return name.isNull() ? QStringLiteral("") : name;
}

QString GroupKeyVirtualKeyName(int virtualKey)
{
    switch (virtualKey) {
    case 0xA0:
    case 0xA1:
    case 0xA2:
    case 0xA3:
    case 0xA4:
    case 0x5B:
    case 0x5C:
        return QStringLiteral("");
    default:
        return AddKeyVirtualKeyName(virtualKey);
    }
}

bool LookupKeyName(const QString &name, int *kind, int *code)
{
    auto found = [&](int k, int c) {
        if (kind)
            *kind = k;
        if (code)
            *code = c;
        return true;
    };
    for (const KeyRow &row : kMainKeys)
        if (name == rowName(row))
            return found(row.kind, row.code);
    for (int i = 0; i < MouseButtonCount; ++i)
        if (name == g_MouseButtonNames[i])
            return found(KeyKindMouseButton, kMouseMasks[i]);
    for (const KeyRow &row : kFunctionKeys)
        if (name == rowName(row))
            return found(row.kind, row.code);
    return false;
}

void KeyNameToDeviceCode(const QString &name, int k, uint8_t *record)
{
    if (!record || k < 0 || k >= KeyVocabularyMacroEventCount)
        return;
    const int base = 32 + 8 * k;
    int kind = KeyKindKey;
    int code = 0;
    if (LookupKeyName(name, &kind, &code)) {
        record[base + 1] = uint8_t(kind);
        record[base + 2] = uint8_t(code & 0xFF);
        record[base + 3] = uint8_t((code >> 8) & 0xFF);
    } else {
        record[base + 1] = uint8_t(KeyKindKey);
    }
}

QStringList KeyNameToFileCode(const QString &name)
{
    int kind = 0;
    int code = 0;
    if (!LookupKeyName(name, &kind, &code))
        return QStringList();
    return QStringList{fileCodeText(code), QString::number(kind)};
}

QString CodeToKeyName(const QString &code, int type)
{
    for (const KeyRow &row : kMainKeys)
        if (row.kind == type && code == fileCodeText(row.code))
            return rowName(row);
    if (type == KeyKindMouseButton)
        for (int i = 0; i < MouseButtonCount; ++i)
            if (code == fileCodeText(kMouseMasks[i]))
                return g_MouseButtonNames[i];
    for (const KeyRow &row : kFunctionKeys)
        if (row.kind == type && code == fileCodeText(row.code))
            return rowName(row);
    return QStringLiteral("");
}

QString DeviceCodeToKeyName(int code, int kind)
{
    // Codes that a key and a modifier share: the kind decides.
    switch (code) {
    case 0x04:
        return kind == 1 ? QStringLiteral("A") : kind == 0 ? QStringLiteral("LAlt") : QStringLiteral("");
    case 0x08:
        return kind == 1 ? QStringLiteral("E") : kind == 0 ? QStringLiteral("LWin") : QStringLiteral("");
    case 0x10:
        return kind == 1 ? QStringLiteral("M") : kind == 0 ? QStringLiteral("RCtrl") : QStringLiteral("");
    case 0x20:
        return kind == 1 ? QStringLiteral("3") : kind == 0 ? QStringLiteral("RShift") : QStringLiteral("");
    case 0x40:
        return kind == 0 ? QStringLiteral("RAlt") : QStringLiteral("F7");
    case 0x58:
        return QStringLiteral("Enter"); // keypad Enter reads back as the main Enter
    default:
        break;
    }
    for (const KeyRow &row : kMainKeys)
        if (row.code == code)
            return rowName(row);
    for (const KeyRow &row : kFunctionKeys)
        if (row.code == code)
            return rowName(row);
    return QStringLiteral("");
}

QString MouseButtonName(int mask)
{
    for (int i = 0; i < MouseButtonCount; ++i)
        if (mask == kMouseMasks[i])
            return g_MouseButtonNames[i];
    return QStringLiteral("");
}

QStringList AllKeyNames()
{
    QStringList names;
    for (const KeyRow &row : kMainKeys)
        names << rowName(row);
    for (const KeyRow &row : kFunctionKeys)
        names << rowName(row);
    return names;
}

namespace {

struct GenericModifier
{
    const char *name;
    int mask;
};

// The generic modifiers name the left-hand masks.
const GenericModifier kGenericModifiers[] = {
    {"Ctrl", 0x01},
    {"Shift", 0x02},
    {"Alt", 0x04},
    {"Win", 0x08},
};

} // namespace

bool LookupComboKeyName(const QString &name, int *kind, int *code)
{
    auto found = [&](int k, int c) {
        if (kind)
            *kind = k;
        if (code)
            *code = c;
        return true;
    };
    for (const GenericModifier &modifier : kGenericModifiers)
        if (name == QLatin1String(modifier.name))
            return found(KeyKindModifier, modifier.mask);
    for (const KeyRow &row : kMainKeys)
        if (row.kind == KeyKindKey && name == rowName(row))
            return found(row.kind, row.code);
    for (const KeyRow &row : kFunctionKeys)
        if (name == rowName(row))
            return found(row.kind, row.code);
    return false;
}

QString ComboCodeToKeyName(int code, int kind)
{
    auto shared = [kind](const char *key, const char *modifier) {
        return kind == KeyKindKey     ? QString::fromLatin1(key)
            : kind == KeyKindModifier ? QString::fromLatin1(modifier)
                                      : QStringLiteral("");
    };
    switch (code) {
    case 0x00:
        return QStringLiteral("");
    case 0x01:
        return QStringLiteral("Ctrl");
    case 0x02:
        return QStringLiteral("Shift");
    case 0x04:
        return shared("A", "Alt");
    case 0x08:
        return shared("E", "Win");
    case 0x10:
        return shared("M", "Ctrl");
    case 0x20:
        return shared("3", "Shift");
    case 0x40:
        return kind == KeyKindKey ? QStringLiteral("F7") : QStringLiteral("Alt");
    case 0x80:
        return QStringLiteral("Win");
    case 0x58:
        return QStringLiteral("Enter");
    default:
        break;
    }
    for (const KeyRow &row : kMainKeys)
        if (row.kind == KeyKindKey && row.code == code)
            return rowName(row);
    for (const KeyRow &row : kFunctionKeys)
        if (row.code == code)
            return rowName(row);
    return QStringLiteral("");
}
