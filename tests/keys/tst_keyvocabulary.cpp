// The key vocabulary, both ways, for every name; the kind-dependent codes;
// the lookup order around the mouse-button names; the capture dialogs' naming.

#include "TestMain.h"

#include "GlobalState.h"
#include "KeyVocabulary.h"
#include "TestState.h"

#include <cstring>

namespace {

struct Row
{
    const char *name;
    int vk;
    int kind;
    int code;
};

// The vocabulary as the macro files and the device know it, written out here
// independently of the product's table.
QVector<Row> expectedRows()
{
    QVector<Row> rows;
    static QByteArray letters[26], digits[10], fkeys[12], numkeys[10];
    for (int i = 0; i < 26; ++i) {
        letters[i] = QByteArray(1, char('A' + i));
        rows.append({letters[i].constData(), 0x41 + i, 1, 0x04 + i});
    }
    for (int i = 1; i <= 9; ++i) {
        digits[i] = QByteArray::number(i);
        rows.append({digits[i].constData(), 0x30 + i, 1, 0x1E + i - 1});
    }
    rows.append({"0", 0x30, 1, 0x27});
    const Row fixed[] = {
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
        {"\xE2\x86\x92", 0x27, 1, 0x4F},
        {"\xE2\x86\x90", 0x25, 1, 0x50},
        {"\xE2\x86\x93", 0x28, 1, 0x51},
        {"\xE2\x86\x91", 0x26, 1, 0x52},
        {"NumLock", 0x90, 1, 0x53},
        {"Num/", 0x6F, 1, 0x54},
        {"Num*", 0x6A, 1, 0x55},
        {"Num-", 0x6D, 1, 0x56},
        {"Num+", 0x6B, 1, 0x57},
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
    for (const Row &row : fixed)
        rows.append(row);
    for (int i = 1; i <= 12; ++i) {
        fkeys[i - 1] = "F" + QByteArray::number(i);
        rows.append({fkeys[i - 1].constData(), 0x70 + i - 1, 1, 0x3A + i - 1});
    }
    for (int i = 1; i <= 9; ++i) {
        numkeys[i] = "Num" + QByteArray::number(i);
        rows.append({numkeys[i].constData(), 0x60 + i, 1, 0x59 + i - 1});
    }
    return rows;
}

} // namespace

class TestKeyVocabulary : public QObject
{
    Q_OBJECT

private slots:
    void init() { OrvikTest::ResetAllState(); }

    void everyName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("vk");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("code");
        for (const Row &row : expectedRows())
            QTest::newRow(row.name[0] ? row.name : "(empty)")
                << QString::fromUtf8(row.name) << row.vk << row.kind << row.code;
    }

    // Every name both ways: virtual key, file pair, device code.
    void everyName()
    {
        QFETCH(QString, name);
        QFETCH(int, vk);
        QFETCH(int, kind);
        QFETCH(int, code);

        bool hasName = false;
        QCOMPARE(VirtualKeyToKeyName(vk, &hasName), name);
        QVERIFY(hasName);

        const QStringList pair = KeyNameToFileCode(name);
        const QString codeText = "0x" + QString::number(code, 16).rightJustified(2, '0').toUpper();
        QCOMPARE(pair, (QStringList{codeText, QString::number(kind)}));
        QCOMPARE(CodeToKeyName(pair.at(0), pair.at(1).toInt()), name);

        uint8_t record[KeyVocabularyMacroRecordSize];
        std::memset(record, 0xEE, sizeof record);
        const int k = 69;
        KeyNameToDeviceCode(name, k, record);
        QCOMPARE(int(record[33 + 8 * k]), kind);
        QCOMPARE(int(record[34 + 8 * k]) | (int(record[35 + 8 * k]) << 8), code);
        QCOMPARE(int(record[32 + 8 * k]), 0xEE); // state untouched
        QCOMPARE(int(record[36 + 8 * k]), 0xEE); // delay untouched
        QCOMPARE(DeviceCodeToKeyName(code, kind), name);
    }

    void vocabularySize()
    {
        const QStringList names = AllKeyNames();
        QCOMPARE(names.size(), 104);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 104);
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
