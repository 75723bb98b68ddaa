// The key vocabulary by what must hold of it: every name maps to its codes and
// back, a code that a reader looks up names one key, the key ranges and the
// rows that are easy to get wrong; the kind-dependent codes; the lookup order
// around the mouse-button names; the combination view of the button page; the
// capture dialogs' naming.

#include "TestMain.h"

#include "GlobalState.h"
#include "KeyVocabulary.h"
#include "TestState.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <cstring>

namespace {

// Virtual keys beyond the Windows range name nothing; asking up to here
// covers every key the hook can report.
constexpr int kLastVirtualKey = 0x1FF;

struct KindCode
{
    int kind = -1;
    int code = -1;
};

KindCode Lookup(const QString &name)
{
    KindCode found;
    if (!LookupKeyName(name, &found.kind, &found.code))
        return KindCode();
    return found;
}

// The names the hook's virtual keys give, each with its virtual keys.
QMap<QString, QList<int>> NamesByVirtualKey()
{
    QMap<QString, QList<int>> names;
    for (int vk = 0; vk <= kLastVirtualKey; ++vk) {
        bool hasName = false;
        const QString name = VirtualKeyToKeyName(vk, &hasName);
        if (hasName)
            names[name] << vk;
    }
    return names;
}

} // namespace

class TestKeyVocabulary : public QObject
{
    Q_OBJECT

private slots:
    void init() { OrvikTest::ResetAllState(); }

    // 104 different names; the function keys last, in order, as the lookups
    // try them after the mouse-button names.
    void vocabularyShape()
    {
        const QStringList names = AllKeyNames();
        QCOMPARE(names.size(), 104);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 104);
        for (int i = 0; i < 12; ++i)
            QCOMPARE(names.at(92 + i), "F" + QString::number(i + 1));
        QVERIFY(names.contains(QString()));
    }

    void everyNameBothWays_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : AllKeyNames())
            QTest::newRow(name.isEmpty() ? "(empty)" : qPrintable(name)) << name;
    }

    // Every name to its virtual key, file pair and device event, and each of
    // them back to the same name.
    void everyNameBothWays()
    {
        QFETCH(QString, name);
        const KindCode key = Lookup(name);
        QVERIFY(key.kind == KeyKindKey || key.kind == KeyKindModifier);
        QVERIFY(key.code >= 0 && key.code <= 0xFF); // the high byte of a device code stays 0

        const QList<int> virtualKeys = NamesByVirtualKey().value(name);
        QCOMPARE(virtualKeys.size(), 1);

        const QStringList pair = KeyNameToFileCode(name);
        QCOMPARE(pair.size(), 2);
        QVERIFY2(QRegularExpression("^0x[0-9A-F]{2}$").match(pair.at(0)).hasMatch(), qPrintable(pair.at(0)));
        QCOMPARE(pair.at(0).mid(2).toInt(nullptr, 16), key.code);
        QCOMPARE(pair.at(1), QString::number(key.kind));
        QCOMPARE(CodeToKeyName(pair.at(0), pair.at(1).toInt()), name);

        uint8_t record[KeyVocabularyMacroRecordSize];
        std::memset(record, 0xEE, sizeof record);
        const int k = 69;
        KeyNameToDeviceCode(name, k, record);
        QCOMPARE(int(record[33 + 8 * k]), key.kind);
        QCOMPARE(int(record[34 + 8 * k]) | (int(record[35 + 8 * k]) << 8), key.code);
        QCOMPARE(int(record[32 + 8 * k]), 0xEE); // state untouched
        QCOMPARE(int(record[36 + 8 * k]), 0xEE); // delay untouched
        QCOMPARE(DeviceCodeToKeyName(key.code, key.kind), name);
    }

    // What a reader finds by code must be one key: one name per kind and code,
    // the eight modifiers on the eight bits of the modifier byte, and no name
    // on the usages that are only read back (0x58) or not used (0x32, 0x64).
    void codesUnique()
    {
        QSet<int> keyCodes;
        QList<int> modifierBits;
        for (const QString &name : AllKeyNames()) {
            const KindCode key = Lookup(name);
            if (key.kind == KeyKindModifier) {
                modifierBits << key.code;
                continue;
            }
            QVERIFY2(!keyCodes.contains(key.code), qPrintable(name));
            keyCodes << key.code;
        }
        QCOMPARE(keyCodes.size(), 96);
        // Together the keys fill the usages 0x04 to 0x65 but for those three,
        // and the empty name has 0x00.
        QSet<int> usages{0x00};
        for (int usage = 0x04; usage <= 0x65; ++usage)
            usages << usage;
        usages -= QSet<int>{0x32, 0x58, 0x64};
        QCOMPARE(keyCodes, usages);
        std::sort(modifierBits.begin(), modifierBits.end());
        QCOMPARE(modifierBits, (QList<int>{0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}));
        // Only the vocabulary's names come from virtual keys, one key each.
        const QMap<QString, QList<int>> byVirtualKey = NamesByVirtualKey();
        QCOMPARE(byVirtualKey.size(), 104);
        for (auto it = byVirtualKey.cbegin(); it != byVirtualKey.cend(); ++it)
            QVERIFY2(AllKeyNames().contains(it.key()), qPrintable(it.key()));
    }

    // The ranges of the key table and single rows where a copy goes wrong
    // (around the unused usage 0x32, the arrows, the keypad, the modifier that
    // the capture dialogs do not name), with their first virtual key and code;
    // each further name of a range adds one to both.
    void keyRows_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("vk");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("code");
        QStringList letters, digits, functionKeys, keypad;
        for (char c = 'A'; c <= 'Z'; ++c)
            letters << QString(QChar(c));
        for (int i = 1; i <= 9; ++i)
            digits << QString::number(i);
        for (int i = 1; i <= 12; ++i)
            functionKeys << "F" + QString::number(i);
        for (int i = 1; i <= 9; ++i)
            keypad << "Num" + QString::number(i);
        QTest::newRow("A-Z") << letters << 0x41 << 1 << 0x04;
        QTest::newRow("1-9") << digits << 0x31 << 1 << 0x1E;
        QTest::newRow("0") << QStringList{"0"} << 0x30 << 1 << 0x27;
        QTest::newRow("Enter") << QStringList{"Enter"} << 0x0D << 1 << 0x28;
        QTest::newRow("Space") << QStringList{"Space"} << 0x20 << 1 << 0x2C;
        QTest::newRow("before 0x32") << QStringList{"\\"} << 0xDC << 1 << 0x31;
        QTest::newRow("after 0x32") << QStringList{";"} << 0xBA << 1 << 0x33;
        QTest::newRow("CapsLock") << QStringList{"CapsLock"} << 0x14 << 1 << 0x39;
        QTest::newRow("F1-F12") << functionKeys << 0x70 << 1 << 0x3A;
        QTest::newRow("Screen") << QStringList{"Screen"} << 0x2C << 1 << 0x46;
        QTest::newRow("right arrow") << QStringList{QString::fromUtf8("\xE2\x86\x92")} << 0x27 << 1 << 0x4F;
        QTest::newRow("up arrow") << QStringList{QString::fromUtf8("\xE2\x86\x91")} << 0x26 << 1 << 0x52;
        QTest::newRow("NumLock") << QStringList{"NumLock"} << 0x90 << 1 << 0x53;
        QTest::newRow("Num+") << QStringList{"Num+"} << 0x6B << 1 << 0x57;
        QTest::newRow("Num1-Num9") << keypad << 0x61 << 1 << 0x59;
        QTest::newRow("Num0") << QStringList{"Num0"} << 0x60 << 1 << 0x62;
        QTest::newRow("Num.") << QStringList{"Num."} << 0x6E << 1 << 0x63;
        QTest::newRow("APPs") << QStringList{"APPs"} << 0x5D << 1 << 0x65;
        QTest::newRow("empty name") << QStringList{QString()} << 0x0C << 1 << 0x00;
        QTest::newRow("RAlt") << QStringList{"RAlt"} << 0xA5 << 0 << 0x40;
    }

    void keyRows()
    {
        QFETCH(QStringList, names);
        QFETCH(int, vk);
        QFETCH(int, kind);
        QFETCH(int, code);
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(VirtualKeyToKeyName(vk + i), names.at(i));
            const KindCode key = Lookup(names.at(i));
            QCOMPARE(key.kind, kind);
            QCOMPARE(key.code, code + i);
        }
    }

    void unnamedVirtualKeys_data()
    {
        QTest::addColumn<int>("vk");
        for (int vk : {0x00, 0x10, 0x11, 0x12, 0x03, 0x7C, 0x87, 0xE2, 0xAD, 0x6C, 0x100})
            QTest::newRow(qPrintable(QString::number(vk, 16))) << vk;
    }

    void unnamedVirtualKeys()
    {
        QFETCH(int, vk);
        bool hasName = true;
        QVERIFY(VirtualKeyToKeyName(vk, &hasName).isEmpty());
        QVERIFY(!hasName);
    }

    void deviceCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("04 key") << 0x04 << 1 << "A";
        QTest::newRow("04 modifier") << 0x04 << 0 << "LAlt";
        QTest::newRow("04 other") << 0x04 << 4 << "";
        QTest::newRow("08 key") << 0x08 << 1 << "E";
        QTest::newRow("08 modifier") << 0x08 << 0 << "LWin";
        QTest::newRow("08 other") << 0x08 << 2 << "";
        QTest::newRow("10 key") << 0x10 << 1 << "M";
        QTest::newRow("10 modifier") << 0x10 << 0 << "RCtrl";
        QTest::newRow("20 key") << 0x20 << 1 << "3";
        QTest::newRow("20 modifier") << 0x20 << 0 << "RShift";
        QTest::newRow("40 key") << 0x40 << 1 << "F7";
        QTest::newRow("40 modifier") << 0x40 << 0 << "RAlt";
        QTest::newRow("40 other") << 0x40 << 4 << "F7";
        QTest::newRow("01 any kind") << 0x01 << 1 << "LCtrl";
        QTest::newRow("02 any kind") << 0x02 << 4 << "LShift";
        QTest::newRow("80 any kind") << 0x80 << 1 << "RWin";
        QTest::newRow("keypad Enter") << 0x58 << 1 << "Enter";
        QTest::newRow("28 as modifier") << 0x28 << 0 << "Enter";
        QTest::newRow("zero") << 0x00 << 1 << "";
        QTest::newRow("32 unused") << 0x32 << 1 << "";
        QTest::newRow("64 unused") << 0x64 << 1 << "";
        QTest::newRow("beyond") << 0xE0 << 1 << "";
    }

    void deviceCodes()
    {
        QFETCH(int, code);
        QFETCH(int, kind);
        QFETCH(QString, name);
        QCOMPARE(DeviceCodeToKeyName(code, kind), name);
    }

    void filePairs_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        QTest::newRow("01 modifier") << "0x01" << 0 << "LCtrl";
        QTest::newRow("01 key") << "0x01" << 1 << "";
        QTest::newRow("20 key") << "0x20" << 1 << "3";
        QTest::newRow("20 modifier") << "0x20" << 0 << "RShift";
        QTest::newRow("2A upper") << "0x2A" << 1 << "BackSpace";
        QTest::newRow("2a lower") << "0x2a" << 1 << "";
        QTest::newRow("0X prefix") << "0X2A" << 1 << "";
        QTest::newRow("no pair") << "0x64" << 1 << "";
        QTest::newRow("F8 not virtual key A") << "0x41" << 1 << "F8";
        QTest::newRow("keypad Enter") << "0x58" << 1 << "";
        QTest::newRow("empty name") << "0x00" << 1 << "";
        QTest::newRow("F12") << "0x45" << 1 << "F12";
        QTest::newRow("wrong type") << "0x04" << 2 << "";
    }

    void filePairs()
    {
        QFETCH(QString, code);
        QFETCH(int, type);
        QFETCH(QString, name);
        QCOMPARE(CodeToKeyName(code, type), name);
    }

    void unknownNames()
    {
        QVERIFY(KeyNameToFileCode(QStringLiteral("Ctrl")).isEmpty());
        QVERIFY(KeyNameToFileCode(QStringLiteral("a")).isEmpty()); // case matters
        QVERIFY(!LookupKeyName(QStringLiteral("F13"), nullptr, nullptr));

        uint8_t record[KeyVocabularyMacroRecordSize] = {};
        record[34 + 8 * 3] = 0x12;
        KeyNameToDeviceCode(QStringLiteral("Ctrl"), 3, record);
        QCOMPARE(int(record[33 + 8 * 3]), 1);
        QCOMPARE(int(record[34 + 8 * 3]), 0x12); // code left as it was

        // An event index outside the record writes nothing.
        uint8_t guard[KeyVocabularyMacroRecordSize + 16] = {};
        KeyNameToDeviceCode(QStringLiteral("A"), 70, guard);
        KeyNameToDeviceCode(QStringLiteral("A"), -1, guard);
        for (uint8_t byte : guard)
            QCOMPARE(int(byte), 0);
    }

    void mouseButtons()
    {
        const QStringList names{"Left", "Right", "Middle", "Back", "Forward"};
        for (int i = 0; i < MouseButtonCount; ++i)
            g_MouseButtonNames[i] = names.at(i);
        const int masks[] = {0x01, 0x02, 0x04, 0x08, 0x10};
        for (int i = 0; i < MouseButtonCount; ++i) {
            QCOMPARE(MouseButtonName(masks[i]), names.at(i));
            const QStringList pair = KeyNameToFileCode(names.at(i));
            QCOMPARE(pair.value(1), QStringLiteral("4"));
            QCOMPARE(CodeToKeyName(pair.value(0), 4), names.at(i));
            uint8_t record[KeyVocabularyMacroRecordSize] = {};
            KeyNameToDeviceCode(names.at(i), 0, record);
            QCOMPARE(int(record[33]), 4);
            QCOMPARE(int(record[34]), masks[i]);
        }
        QCOMPARE(MouseButtonName(3), QString());
        QCOMPARE(MouseButtonName(0), QString());
        QCOMPARE(CodeToKeyName("0x01", 4), QStringLiteral("Left"));

        // A name of another language is no mouse button any more.
        g_MouseButtonNames[0] = QStringLiteral("Gauche");
        QVERIFY(KeyNameToFileCode(QStringLiteral("Left")).isEmpty());
    }

    // Key names first (F1..F12 excepted), then mouse buttons, then F1..F12.
    void lookupOrder()
    {
        g_MouseButtonNames[MouseButtonLeft] = QStringLiteral("A");
        g_MouseButtonNames[MouseButtonRight] = QStringLiteral("F1");
        QCOMPARE(KeyNameToFileCode(QStringLiteral("A")), (QStringList{"0x04", "1"}));
        QCOMPARE(KeyNameToFileCode(QStringLiteral("F1")), (QStringList{"0x02", "4"}));

        // While the mouse names are empty, the empty name is the key 0x00.
        g_MouseButtonNames[MouseButtonLeft].clear();
        QCOMPARE(KeyNameToFileCode(QString()), (QStringList{"0x00", "1"}));
    }

    void comboViewBothWays_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("code");
        QTest::newRow("Ctrl") << "Ctrl" << 0 << 0x01;
        QTest::newRow("Shift") << "Shift" << 0 << 0x02;
        QTest::newRow("Alt") << "Alt" << 0 << 0x04;
        QTest::newRow("Win") << "Win" << 0 << 0x08;
        QTest::newRow("A") << "A" << 1 << 0x04;
        QTest::newRow("3") << "3" << 1 << 0x20;
        QTest::newRow("F1") << "F1" << 1 << 0x3A;
        QTest::newRow("F7") << "F7" << 1 << 0x40;
        QTest::newRow("F12") << "F12" << 1 << 0x45;
        QTest::newRow("Num+") << "Num+" << 1 << 0x57;
        QTest::newRow("Num3") << "Num3" << 1 << 0x5B;
        QTest::newRow("empty") << "" << 1 << 0x00;
    }

    // The four generic modifiers on the left-hand masks, and the keys a
    // combination used to lose: F1..F12 and "Num+" as one key.
    void comboViewBothWays()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(int, code);
        int gotKind = -1;
        int gotCode = -1;
        QVERIFY(LookupComboKeyName(name, &gotKind, &gotCode));
        QCOMPARE(gotKind, kind);
        QCOMPARE(gotCode, code);
        QCOMPARE(ComboCodeToKeyName(code, kind), name);
    }

    // Every keyboard key of the vocabulary is in the combination view with its
    // own code, both ways; the sided modifiers and the mouse buttons are not.
    void comboViewHoldsTheKeys()
    {
        const QStringList mouseNames{"Left", "Right", "Middle", "Back", "Forward"};
        for (int i = 0; i < MouseButtonCount; ++i)
            g_MouseButtonNames[i] = mouseNames.at(i);
        for (const QString &name : AllKeyNames()) {
            const KindCode key = Lookup(name);
            int kind = -1;
            int code = -1;
            const bool inView = LookupComboKeyName(name, &kind, &code);
            if (key.kind == KeyKindModifier) {
                QVERIFY2(!inView, qPrintable(name));
                continue;
            }
            QVERIFY2(inView, qPrintable(name));
            QCOMPARE(kind, key.kind);
            QCOMPARE(code, key.code);
            QCOMPARE(ComboCodeToKeyName(code, kind), name);
        }
        for (const QString &name : mouseNames)
            QVERIFY2(!LookupComboKeyName(name, nullptr, nullptr), qPrintable(name));
        QVERIFY(!LookupComboKeyName("ctrl", nullptr, nullptr));
        QVERIFY(!LookupComboKeyName("Num", nullptr, nullptr));
    }

    void comboCodes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("01 any kind") << 0x01 << 1 << "Ctrl";
        QTest::newRow("02 any kind") << 0x02 << 1 << "Shift";
        QTest::newRow("04 other") << 0x04 << 2 << "";
        QTest::newRow("08 other") << 0x08 << 2 << "";
        QTest::newRow("10 modifier") << 0x10 << 0 << "Ctrl";
        QTest::newRow("10 other") << 0x10 << 2 << "";
        QTest::newRow("20 modifier") << 0x20 << 0 << "Shift";
        QTest::newRow("40 modifier") << 0x40 << 0 << "Alt";
        QTest::newRow("80 any kind") << 0x80 << 1 << "Win";
        QTest::newRow("keypad Enter") << 0x58 << 1 << "Enter";
        QTest::newRow("32 unused") << 0x32 << 1 << "";
        QTest::newRow("beyond") << 0xE0 << 1 << "";
    }

    // Reading a combination back: the right-hand masks read as the generic
    // names; the kind decides only for the codes a key and a modifier share.
    void comboCodes()
    {
        QFETCH(int, code);
        QFETCH(int, kind);
        QFETCH(QString, name);
        QCOMPARE(ComboCodeToKeyName(code, kind), name);
    }

    void captureNaming_data()
    {
        QTest::addColumn<int>("vk");
        QTest::addColumn<QString>("addKeyName");
        QTest::addColumn<QString>("groupKeyName");
        QTest::newRow("A") << 0x41 << "A"
                           << "A";
        QTest::newRow("Enter") << 0x0D << "Enter"
                               << "Enter";
        QTest::newRow("Space") << 0x20 << ""
                               << "";
        QTest::newRow("RAlt") << 0xA5 << ""
                              << "";
        QTest::newRow("LAlt") << 0xA4 << "LAlt"
                              << "";
        QTest::newRow("LShift") << 0xA0 << "LShift"
                                << "";
        QTest::newRow("RShift") << 0xA1 << "RShift"
                                << "";
        QTest::newRow("LCtrl") << 0xA2 << "LCtrl"
                               << "";
        QTest::newRow("RCtrl") << 0xA3 << "RCtrl"
                               << "";
        QTest::newRow("LWin") << 0x5B << "LWin"
                              << "";
        QTest::newRow("RWin") << 0x5C << "RWin"
                              << "";
        QTest::newRow("APPs") << 0x5D << "APPs"
                              << "APPs";
        QTest::newRow("clear") << 0x0C << ""
                               << "";
        QTest::newRow("unnamed") << 0x10 << ""
                                 << "";
        QTest::newRow("F12") << 0x7B << "F12"
                             << "F12";
        QTest::newRow("Esc") << 0x1B << "Esc"
                             << "Esc";
    }

    void captureNaming()
    {
        QFETCH(int, vk);
        QFETCH(QString, addKeyName);
        QFETCH(QString, groupKeyName);
        QCOMPARE(AddKeyVirtualKeyName(vk), addKeyName);
        QCOMPARE(GroupKeyVirtualKeyName(vk), groupKeyName);
    }
};

ORVIK_TEST_MAIN(TestKeyVocabulary)
#include "tst_keyvocabulary.moc"
