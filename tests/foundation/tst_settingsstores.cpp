// Config.ini (read-only, partly Base64-coded), Macro.ini, the registry store
// and the per-user paths.

#include "TestMain.h"

#include "Autostart.h"
#include "ConfigIni.h"
#include "HIDUsbSim.h"
#include "MacroIni.h"
#include "RegistryStore.h"
#include "UserPaths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCodec>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

QString b64(const QByteArray &text)
{
    return QString::fromLatin1(text.toBase64());
}

} // namespace

class TestSettingsStores : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_Dir;

    QString writeConfig(const QString &name, const QByteArray &content)
    {
        const QString path = m_Dir.path() + "/" + name;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(content);
        return path;
    }

private slots:
    // Runs first: nothing has created the store yet.
    void firstUseFromTwoThreadsGivesOneObject()
    {
        QVERIFY(!g_ConfigIni && !g_MacroIni);
        std::atomic<int> go{0};
        ConfigIni *config[2] = {};
        MacroIni *macro[2] = {};
        std::vector<std::thread> threads;
        for (int i = 0; i < 2; ++i) {
            threads.emplace_back([&, i] {
                ++go;
                while (go.load() < 2) {
                }
                config[i] = ConfigIni::GetInstance();
                macro[i] = MacroIni::GetInstance();
            });
        }
        for (auto &t : threads)
            t.join();
        QVERIFY(config[0] && config[0] == config[1] && config[0] == g_ConfigIni);
        QVERIFY(macro[0] && macro[0] == macro[1] && macro[0] == g_MacroIni);
    }

    // The sample file beside the executable describes the models the
    // simulated mice stand for.
    void sampleConfigDescribesTheModels()
    {
        ConfigIni *ini = ConfigIni::GetInstance();
        QCOMPARE(ini->FilePath(), QCoreApplication::applicationDirPath() + "/usersetting/Config.ini");
        QVERIFY(QFile::exists(ini->FilePath()));
        QCOMPARE(ini->GetValue("Option", "VID"), QString("3554"));
        QCOMPARE(ini->GetValueList("Option", "USB_PID"), QStringList{"F500"});
        QCOMPARE(ini->GetValueList("Option", "Wireless_PID"), QStringList{"F501"});
        QCOMPARE(ini->GetValueList("Option", "Wireless2_PID"), QStringList{"F502"});
        QCOMPARE(ini->GetValueList("Option", "Wireless4_PID"), QStringList{"F503"});
        QCOMPARE(ini->GetValue("Option", "CID").toInt(), 0x1A);
        QCOMPARE(ini->GetValue("Option", "DeviceTotal").toInt(), 2);
        QCOMPARE(ini->GetValueList("Option", "LabelColor").size(), 3);
        QCOMPARE(ini->GetValue("Drive1", "MID").toInt(), int(HIDUsbSim::sampleWirelessMid));
        QCOMPARE(ini->GetValue("Drive2", "MID").toInt(), int(HIDUsbSim::sampleCordedMid));
        QCOMPARE(ini->GetValue("Drive1", "Sensor"), QString("3395"));
        QCOMPARE(ini->GetValue("Drive2", "Sensor"), QString("S100"));
        QVERIFY(!ini->GetValue("Drive1", "D4M").isEmpty());
        QVERIFY(ini->GetValue("Drive2", "DM").isEmpty());
        for (const QString group : {"Drive1", "Drive2"}) {
            QCOMPARE(ini->GetValueList(group, "DPIColor").size(), 24);
            QVERIFY(ini->GetValueList(group, "DPIGrade").size() >= 8);
            QCOMPARE(ini->GetValueList(group, "Adveanced").size(), 2);
            for (int i = 1; i <= 6; ++i)
                QVERIFY(!ini->GetValueList(group, "KeyParam" + QString::number(i)).isEmpty());
        }
    }

    void readsCodedAndPlainKeys_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("list");
        QTest::newRow("coded text loses line feeds and blanks") << "Drive1"
                                                                << "MM"
                                                                << "12345678" << QStringList{"12345678"};
        QTest::newRow("coded list decodes every item") << "Option"
                                                       << "Wireless4_PID"
                                                       << "" << QStringList{"F503", "F5A3"};
        QTest::newRow("coded key in any group") << "Other"
                                                << "VID"
                                                << "3554" << QStringList{"3554"};
        QTest::newRow("plain text stays as it is") << "Drive1"
                                                   << "XIn1"
                                                   << "2" << QStringList{"2"};
        QTest::newRow("plain list") << "Drive1"
                                    << "DPIRange"
                                    << "" << QStringList{"50", "26000", "50", "0"};
        QTest::newRow("key names are case-sensitive") << "Drive1"
                                                      << "mm"
                                                      << "MTIgMzQ=" << QStringList{"MTIgMzQ="};
        QTest::newRow("missing key") << "Drive1"
                                     << "KeyNumber"
                                     << "" << QStringList();
        QTest::newRow("missing group") << "Drive9"
                                       << "MID"
                                       << "" << QStringList();
        QTest::newRow("UTF-8 text") << "Drive1"
                                    << "Name" << QString::fromUtf8("鼠标") << QStringList{QString::fromUtf8("鼠标")};
    }

    void readsCodedAndPlainKeys()
    {
        QFETCH(QString, group);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QStringList, list);
        QByteArray content;
        content += "[Option]\n";
        content += "Wireless4_PID=" + b64("F503").toLatin1() + "," + b64("F5A3\n").toLatin1() + "\n";
        content += "[Drive1]\n";
        content += "MM=" + b64("12 34\n56 78").toLatin1() + "\n";
        content += "mm=" + b64("12 34").toLatin1() + "\n";
        content += "XIn1=2\n";
        content += "DPIRange=50,26000,50,0\n";
        content += "Name=" + QByteArray("鼠标") + "\n";
        content += "[Other]\nVID=" + b64("3554").toLatin1() + "\n";
        ConfigIni *ini = ConfigIni::GetInstance();
        ini->Reload(writeConfig("coded.ini", content));
        QCOMPARE(ini->GetValue(group, key), value);
        QCOMPARE(ini->GetValueList(group, key), list);
    }

    void plainTextUnderCodedKeyIsStillDecoded()
    {
        ConfigIni *ini = ConfigIni::GetInstance();
        ini->Reload(writeConfig("plain.ini", "[Drive1]\nSensor=3395\n"));
        QVERIFY(ini->GetValue("Drive1", "Sensor") != "3395");
    }

    void missingOrGarbledFileGivesEmptyValues_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk += char((i * 7919 + 13) % 256);
        QTest::newRow("binary junk") << junk << true;
        QTest::newRow("broken lines") << QByteArray("[Option\nVID\n=\n[[]]\n\\\\=\"\nDeviceTotal=\"2\n") << true;
        QTest::newRow("not Base64") << QByteArray("[Option]\nVID=%%%%\nUSB_PID=,,,\n") << true;
    }

    void missingOrGarbledFileGivesEmptyValues()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        const QString path = exists ? writeConfig("garbled.ini", content) : m_Dir.path() + "/none/Config.ini";
        ConfigIni *ini = ConfigIni::GetInstance();
        ini->Reload(path);
        // Whatever survives parsing, a key the file does not hold is empty and
        // nothing crashes.
        QCOMPARE(ini->GetValue("Drive1", "MID"), QString());
        QCOMPARE(ini->GetValueList("Drive1", "DPIColor"), QStringList());
        const QStringList pids = ini->GetValueList("Option", "USB_PID");
        for (const QString &pid : pids)
            QVERIFY(!pid.contains(' '));
        ini->GetValue("Option", "VID");
        ini->GetValue("Option", "DeviceTotal").toInt();
        // Config.ini is never written, not even an unreadable one.
        ini->Reload(QCoreApplication::applicationDirPath() + "/usersetting/Config.ini");
        QVERIFY(!QFile::exists(m_Dir.path() + "/none/Config.ini"));
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), content);
        }
    }

    // A broken Config.ini is named on stderr once, with its fault; a good one
    // gives no message.
    void badConfigIsReportedOnce_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("fault");
        QTest::newRow("missing") << QByteArray() << false << "missing";
        QTest::newRow("empty") << QByteArray() << true << "empty";
        QTest::newRow("blank lines only") << QByteArray("\n  \n\n") << true << "empty";
        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk += char((i * 7919 + 13) % 256);
        QTest::newRow("binary junk") << junk << true << "";
        QTest::newRow("broken lines") << QByteArray("[Option\nVID\n=\n[[]]\n\\\\=\"\nDeviceTotal=\"2\n") << true << "";
        QTest::newRow("no model count") << QByteArray("[Option]\nVID=%%%%\nUSB_PID=,,,\n") << true << "DeviceTotal";
        QTest::newRow("model count not a number")
            << QByteArray("[Option]\nVID=MzU1NA==\nDeviceTotal=two\n") << true << "not a number";
        QTest::newRow("model count beyond the limit")
            << QByteArray("[Option]\nVID=MzU1NA==\nDeviceTotal=2147483647\n[Drive1]\nMID=5\n") << true << "1000";
        QTest::newRow("good") << QByteArray("[Option]\nVID=MzU1NA==\nDeviceTotal=1\n[Drive1]\nMID=5\n") << true << "-";
    }

    void badConfigIsReportedOnce()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFETCH(QString, fault);
        const QString path = exists ? writeConfig("reported.ini", content) : m_Dir.path() + "/none/Config.ini";
        static QStringList messages;
        messages.clear();
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
                if (type == QtWarningMsg && text.contains("Config.ini"))
                    messages << text;
            });
        ConfigIni *ini = ConfigIni::GetInstance();
        ini->Reload(path);
        // Reading keys afterwards adds nothing.
        ini->GetValue("Option", "VID");
        ini->GetValueList("Option", "USB_PID");
        ini->ModelGroups();
        qInstallMessageHandler(previous);
        ini->Reload(QCoreApplication::applicationDirPath() + "/usersetting/Config.ini");

        if (fault == "-") {
            QVERIFY2(messages.isEmpty(), qPrintable(messages.join("\n")));
            return;
        }
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QDir::toNativeSeparators(path)), qPrintable(messages.first()));
        QVERIFY2(messages.first().contains(fault), qPrintable(messages.first()));
    }

    // The model groups that exist, never more than the limit, whatever
    // "DeviceTotal" says.
    void modelGroupsAreBounded_data()
    {
        QTest::addColumn<QByteArray>("total");
        QTest::addColumn<int>("modelTotal");
        QTest::addColumn<QList<int>>("groups");
        QTest::newRow("as many as the file holds") << QByteArray("3") << 3 << QList<int>{1, 2, 3};
        QTest::newRow("fewer") << QByteArray("2") << 2 << QList<int>{1, 2};
        QTest::newRow("2147483647") << QByteArray("2147483647") << 1000 << QList<int>{1, 2, 3, 1000};
        QTest::newRow("600000000") << QByteArray("600000000") << 1000 << QList<int>{1, 2, 3, 1000};
        QTest::newRow("beyond 32 bits") << QByteArray("99999999999999") << 1000 << QList<int>{1, 2, 3, 1000};
        QTest::newRow("negative") << QByteArray("-5") << 0 << QList<int>{};
        QTest::newRow("not a number") << QByteArray("many") << 0 << QList<int>{};
    }

    void modelGroupsAreBounded()
    {
        QFETCH(QByteArray, total);
        QFETCH(int, modelTotal);
        QFETCH(QList<int>, groups);
        ConfigIni *ini = ConfigIni::GetInstance();
        // A file of its own per row: QSettings keeps what it read of a path and
        // re-reads it only when size or time stamp change, and "DeviceTotal=3"
        // and "=2" written within one tick differ in neither.
        ini->Reload(writeConfig(QStringLiteral("groups-%1.ini").arg(QTest::currentDataTag()),
                                "[Option]\nVID=MzU1NA==\nDeviceTotal=" + total
                                    + "\n[Drive1]\nMID=5\n[Drive3]\nMID=7\n[Drive2]\nMID=6\n"
                                      "[Drive02]\nMID=8\n[Drive1000]\nMID=9\n[Drive1001]\nMID=10\n"));
        QCOMPARE(ini->ModelTotal(), modelTotal);
        QList<int> expected = groups;
        if (modelTotal < 1000)
            expected.removeAll(1000);
        while (!expected.isEmpty() && expected.last() > modelTotal)
            expected.removeLast();
        QCOMPARE(ini->ModelGroups(), expected);
        ini->Reload(QCoreApplication::applicationDirPath() + "/usersetting/Config.ini");
    }

    void readsFromManyThreads()
    {
        ConfigIni *ini = ConfigIni::GetInstance();
        ini->Reload(QCoreApplication::applicationDirPath() + "/usersetting/Config.ini");
        std::atomic<int> wrong{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([&] {
                for (int i = 0; i < 300; ++i) {
                    if (ini->GetValue("Option", "VID") != "3554" || ini->GetValueList("Drive1", "DPIGrade").size() < 8)
                        ++wrong;
                }
            });
        }
        for (auto &t : threads)
            t.join();
        QCOMPARE(wrong.load(), 0);
    }

    void macroIniRoundTrip()
    {
        MacroIni *ini = MacroIni::GetInstance();
        QCOMPARE(ini->FilePath(), QDir::homePath() + "/.local/share/Orvik SE/Macro.ini");
        QCOMPARE(ini->GetValue("Language", "Language"), QString());

        ini->SetValue("Language", "Language", "3");
        ini->SetValue("AutoStart", "Enable", "1");
        ini->SetValue("Name", "Text", QString::fromUtf8("简体中文, a=b"));
        QCOMPARE(ini->GetValue("Language", "Language"), QString("3"));
        QCOMPARE(ini->GetValue("Name", "Text"), QString::fromUtf8("简体中文, a=b"));

        // Already on disk, as another reader of the file sees it.
        {
            QSettings disk(ini->FilePath(), QSettings::IniFormat);
            disk.setIniCodec(QTextCodec::codecForName("UTF-8"));
            QCOMPARE(disk.value("Language/Language").toString(), QString("3"));
            QCOMPARE(disk.value("Name/Text").toString(), QString::fromUtf8("简体中文, a=b"));
        }

        ini->RemoveValue("AutoStart", "Enable");
        QCOMPARE(ini->GetValue("AutoStart", "Enable"), QString());
        QSettings disk(ini->FilePath(), QSettings::IniFormat);
        QVERIFY(!disk.contains("AutoStart/Enable"));
        QVERIFY(disk.contains("Language/Language"));
    }

    void macroIniFromManyThreads()
    {
        MacroIni *ini = MacroIni::GetInstance();
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([ini, t] {
                for (int i = 0; i < 25; ++i)
                    ini->SetValue("Thread" + QString::number(t), "Key" + QString::number(i),
                                  QString::number(t * 100 + i));
            });
        }
        for (auto &t : threads)
            t.join();
        for (int t = 0; t < 4; ++t)
            for (int i = 0; i < 25; ++i)
                QCOMPARE(ini->GetValue("Thread" + QString::number(t), "Key" + QString::number(i)).toInt(), t * 100 + i);
    }

    void registryStoreRoundTripAcrossThreads()
    {
        const QString expectedFile =
            QStandardPaths::writableLocation(QStandardPaths::ConfigLocation) + "/Orvik SE/registry.ini";
        QCOMPARE(RegistryStore::filePath(), expectedFile);
        QVERIFY(expectedFile.startsWith(QDir::homePath())); // the test's own home
        QCOMPARE(RegistryStore::mouseTestKey(), QString("Software/Orvik SE/Orvik SE/Mouse Drive Test"));
        QCOMPARE(RegistryStore::languageKey(), QString("Software/Orvik SE/Orvik SE/Orvik SE"));

        const QString key = RegistryStore::mouseTestKey();
        QVERIFY(!RegistryStore::contains(key, "MouseVer265"));
        QCOMPARE(RegistryStore::value(key, "MouseVer265", "none").toString(), QString("none"));

        // The library's thread writes version reports while the GUI reads.
        std::vector<std::thread> writers;
        for (int t = 0; t < 4; ++t) {
            writers.emplace_back([key, t] {
                for (int i = 0; i < 20; ++i)
                    RegistryStore::setValue(key, QString("MouseVer%1_%2").arg(t).arg(i),
                                            QString("v%1.%2").arg(t).arg(i));
            });
        }
        for (int i = 0; i < 50; ++i)
            RegistryStore::value(key, "MouseVer0_0");
        for (auto &w : writers)
            w.join();
        for (int t = 0; t < 4; ++t)
            for (int i = 0; i < 20; ++i)
                QCOMPARE(RegistryStore::value(key, QString("MouseVer%1_%2").arg(t).arg(i)).toString(),
                         QString("v%1.%2").arg(t).arg(i));

        // The Windows spelling of a key path names the same key.
        RegistryStore::setValue("HKEY_CURRENT_USER\\Software\\Orvik SE\\Orvik SE\\Mouse Drive Test", "UpdateFailInfo",
                                "210,1,26,5");
        QCOMPARE(RegistryStore::value(key, "UpdateFailInfo").toString(), QString("210,1,26,5"));
        QVERIFY(!RegistryStore::contains(RegistryStore::languageKey(), "UpdateFailInfo"));

        RegistryStore::setValue(RegistryStore::languageKey(), "LanguageIndex", 4);
        QCOMPARE(RegistryStore::value(RegistryStore::languageKey(), "LanguageIndex").toInt(), 4);
        RegistryStore::remove(RegistryStore::languageKey(), "LanguageIndex");
        QVERIFY(!RegistryStore::contains(RegistryStore::languageKey(), "LanguageIndex"));
        QCOMPARE(RegistryStore::value(RegistryStore::languageKey(), "LanguageIndex").toInt(), 0);

        // Persisted in the one file, none named after the hive.
        QSettings disk(expectedFile, QSettings::IniFormat);
        QVERIFY(disk.contains("Software/Orvik SE/Orvik SE/Mouse Drive Test/UpdateFailInfo"));
        const QStringList configFiles = QDir(QFileInfo(expectedFile).path()).entryList(QDir::Files);
        QCOMPARE(configFiles, QStringList{"registry.ini"});
    }

    // The per-user folder, the registry store and the autostart entry follow
    // the XDG variables when they name absolute folders; unset, empty or
    // relative ones give the home defaults (a relative one would otherwise
    // put the files wherever the program happened to start).
    void userFolders_data()
    {
        QTest::addColumn<QString>("value"); // "-": unset
        QTest::addColumn<bool>("followed");
        QTest::newRow("set") << m_Dir.path() + "/xdg" << true;
        QTest::newRow("set with a trailing slash") << m_Dir.path() + "/xdg/" << true;
        QTest::newRow("unset") << "-" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("relative") << "relative/xdg" << false;
    }
    void userFolders()
    {
        QFETCH(QString, value);
        QFETCH(bool, followed);
        const QByteArray dataBefore = qgetenv("XDG_DATA_HOME");
        const QByteArray configBefore = qgetenv("XDG_CONFIG_HOME");
        auto restore = qScopeGuard([&] {
            qputenv("XDG_DATA_HOME", dataBefore);
            qputenv("XDG_CONFIG_HOME", configBefore);
        });
        for (const char *variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
            if (value == "-")
                qunsetenv(variable);
            else
                qputenv(variable, QFile::encodeName(value));
        }
        const QString xdg = m_Dir.path() + "/xdg";
        const QString root = (followed ? xdg : QDir::homePath() + "/.local/share") + "/Orvik SE";
        const QString config = followed ? xdg : QDir::homePath() + "/.config";

        QCOMPARE(UserPaths::userFolder(), root);
        QCOMPARE(UserPaths::macroIniFile(), root + "/Macro.ini");
        QCOMPARE(UserPaths::exceptionFolder(), root + "/Exception");
        QCOMPARE(RegistryStore::filePath(), config + "/Orvik SE/registry.ini");
        QCOMPARE(Autostart::folder(), config + "/autostart");
        QVERIFY(UserPaths::createUserFolders());
        for (const QString sub : {"/Log", "/Device_Info", "/Exception", "/usersetting", "/usersetting/MainPage",
                                  "/usersetting/MacroPage", "/usersetting/SensorPage"})
            QVERIFY2(QDir(root + sub).exists(), qPrintable(sub));
        QVERIFY(!QDir("relative").exists());
        QCOMPARE(UserPaths::configIniFile(), QCoreApplication::applicationDirPath() + "/usersetting/Config.ini");
    }

    // The folder earlier builds used (home + "/AppData/Local/Orvik SE") moves
    // to the XDG data folder once; a current folder is never overwritten.
    void legacyUserFolderMoves_data()
    {
        QTest::addColumn<bool>("legacy");
        QTest::addColumn<bool>("current");
        QTest::addColumn<bool>("bareHome");
        QTest::newRow("only the old folder") << true << false << false;
        QTest::newRow("only the old folder, in a home holding nothing else") << true << false << true;
        QTest::newRow("both") << true << true << false;
        QTest::newRow("only the current folder") << false << true << false;
        QTest::newRow("neither") << false << false << false;
    }
    void legacyUserFolderMoves()
    {
        QFETCH(bool, legacy);
        QFETCH(bool, current);
        QFETCH(bool, bareHome);
        const QByteArray dataBefore = qgetenv("XDG_DATA_HOME");
        const QByteArray homeBefore = qgetenv("HOME");
        QTemporaryDir xdg;
        qputenv("XDG_DATA_HOME", QFile::encodeName(xdg.path() + "/share"));
        if (bareHome) {
            QVERIFY(QDir().mkpath(xdg.path() + "/home"));
            qputenv("HOME", QFile::encodeName(xdg.path() + "/home"));
        }
        const QString old = QDir::homePath() + "/AppData/Local/Orvik SE";
        auto restore = qScopeGuard([&] {
            QDir(QDir::homePath() + "/AppData").removeRecursively();
            qputenv("XDG_DATA_HOME", dataBefore);
            qputenv("HOME", homeBefore);
        });
        QCOMPARE(UserPaths::legacyUserFolder(), old);
        auto writeFile = [](const QString &path, const QByteArray &text) {
            QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
        };
        if (legacy) {
            QVERIFY(writeFile(old + "/Macro.ini", "[Language]\nLanguage=2\n"));
            QVERIFY(writeFile(old + "/usersetting/MacroPage/M1.ini", "old macro"));
        }
        if (current)
            QVERIFY(writeFile(UserPaths::macroIniFile(), "[Language]\nLanguage=4\n"));

        QCOMPARE(UserPaths::MoveLegacyUserFolder(),
                 legacy && !current ? UserPaths::LegacyMove::Moved : UserPaths::LegacyMove::NotDue);
        QVERIFY(!UserPaths::usingLegacyUserFolder());

        auto read = [](const QString &path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        if (legacy && !current) {
            QVERIFY(!QDir(QDir::homePath() + "/AppData").exists()); // its emptied parents went too
            QVERIFY(QDir(QDir::homePath()).exists());               // but never the home folder
            QCOMPARE(read(UserPaths::macroIniFile()), QByteArray("[Language]\nLanguage=2\n"));
            QCOMPARE(read(UserPaths::macroPageFolder() + "/M1.ini"), QByteArray("old macro"));
        } else {
            QCOMPARE(QDir(old).exists(), legacy);
            QCOMPARE(QDir(UserPaths::userFolder()).exists(), current);
            if (legacy)
                QCOMPARE(read(old + "/Macro.ini"), QByteArray("[Language]\nLanguage=2\n"));
            if (current)
                QCOMPARE(read(UserPaths::macroIniFile()), QByteArray("[Language]\nLanguage=4\n"));
        }
        // A second start changes nothing more.
        QCOMPARE(UserPaths::MoveLegacyUserFolder(), UserPaths::LegacyMove::NotDue);
    }

    // A move rename cannot do: onto another file system it copies (the old
    // folder goes only once the copy is whole and in place); one that cannot
    // be done at all makes no new folder, leaves the old one whole and in
    // use for the run, and is tried again at the next start; an old folder
    // that is a relative link becomes a link that still names the real one;
    // a copy running on the old folder keeps it.
    void legacyMoveRenameCannotDo_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("moveFault");
        QTest::addColumn<int>("copyFault");
        QTest::addColumn<bool>("stale");
        QTest::addColumn<bool>("inUse");
        QTest::addColumn<int>("result");
        const int moved = int(UserPaths::LegacyMove::Moved);
        const int failed = int(UserPaths::LegacyMove::Failed);
        QTest::newRow("another file system") << "" << int(EXDEV) << 0 << false << false << moved;
        QTest::newRow("another file system, a killed copy's folder left")
            << "" << int(EXDEV) << 0 << true << false << moved;
        QTest::newRow("another file system, copy not put in place")
            << "" << int(EXDEV) << int(EIO) << false << false << failed;
        QTest::newRow("old folder cannot leave its parent") << "" << int(EACCES) << 0 << false << false << failed;
        QTest::newRow("read-only file system") << "" << int(EROFS) << 0 << false << false << failed;
        QTest::newRow("relative link") << "OrvikReal" << 0 << 0 << false << false << moved;
        QTest::newRow("relative link, another file system")
            << "OrvikReal" << int(EXDEV) << 0 << false << false << moved;
        QTest::newRow("relative link up and down") << "../Local/OrvikReal" << 0 << 0 << false << false << moved;
        QTest::newRow("a copy runs on the old folder")
            << "" << 0 << 0 << false << true << int(UserPaths::LegacyMove::InUse);
    }
    void legacyMoveRenameCannotDo()
    {
        QFETCH(QString, link);
        QFETCH(int, moveFault);
        QFETCH(int, copyFault);
        QFETCH(bool, stale);
        QFETCH(bool, inUse);
        QFETCH(int, result);
        const QByteArray dataBefore = qgetenv("XDG_DATA_HOME");
        QTemporaryDir xdg;
        const QString share = xdg.path() + "/share";
        qputenv("XDG_DATA_HOME", QFile::encodeName(share));
        const QString local = QDir::homePath() + "/AppData/Local";
        const QString old = UserPaths::legacyUserFolder();
        const QString real = link.isEmpty() ? old : local + "/OrvikReal";
        const QString current = share + "/Orvik SE";
        int lockFd = -1;
        auto restore = qScopeGuard([&] {
            UserPaths::SetMoveRenameFaultForTest(nullptr);
            if (lockFd >= 0)
                ::close(lockFd);
            qputenv("XDG_DATA_HOME", dataBefore);
            QDir(QDir::homePath() + "/AppData").removeRecursively();
            UserPaths::MoveLegacyUserFolder(); // forgets the old folder for the run
        });

        // The old folder: settings, a macro, a cache file, an old crash
        // report (its age decides its purge), a private file and a link.
        const qint64 longAgo = QDateTime::currentSecsSinceEpoch() - 20 * 86400;
        auto put = [](const QString &path, const QByteArray &text) {
            QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
        };
        const QMap<QString, QByteArray> files{
            {"Macro.ini", "[Language]\nLanguage=2\n"},
            {"usersetting/MacroPage/M1.ini", "254\n0x04 1 0\n"},
            {"usersetting/MacroPage/notes.ini.backup", "mine"},
            {"Device_Info/Device_CID05_MID01.bin", QByteArray(10432, '\x5a')},
            {"Exception/2020_01_01_00_00_00.dmp", "crash"},
        };
        for (auto it = files.begin(); it != files.end(); ++it)
            QVERIFY(put(real + "/" + it.key(), it.value()));
        QVERIFY(QFile::setPermissions(real + "/Macro.ini", QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(QFile::link("M1.ini", real + "/usersetting/MacroPage/Same.ini"));
        {
            QFile dump(real + "/Exception/2020_01_01_00_00_00.dmp");
            QVERIFY(dump.open(QIODevice::ReadWrite));
            QVERIFY(dump.setFileTime(QDateTime::fromSecsSinceEpoch(longAgo), QFileDevice::FileModificationTime));
        }
        if (!link.isEmpty())
            QVERIFY(QFile::link(link, old));
        if (stale)
            QVERIFY(put(share + "/.orvik-move-Ab12Cd/Macro.ini", "half"));
        if (inUse) {
            lockFd = ::open(QFile::encodeName(old + "/" + UserPaths::instanceLockName()).constData(),
                            O_RDWR | O_CREAT | O_CLOEXEC, 0600);
            QVERIFY(lockFd >= 0);
            QCOMPARE(::flock(lockFd, LOCK_EX | LOCK_NB), 0);
        }

        QStringList renames;
        UserPaths::SetMoveRenameFaultForTest([&](const QString &from, const QString &to) {
            renames << QFileInfo(to).fileName().left(12);
            if (to != current)
                return 0;
            return from == old ? moveFault : copyFault;
        });
        QString error;
        QCOMPARE(int(UserPaths::MoveLegacyUserFolder(&error)), result);

        auto read = [](const QString &path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
        };
        auto holdsEverything = [&](const QString &folder) {
            for (auto it = files.begin(); it != files.end(); ++it)
                QCOMPARE(read(folder + "/" + it.key()), it.value());
            QCOMPARE(QFileInfo(folder + "/usersetting/MacroPage/Same.ini").symLinkTarget(),
                     QFileInfo(folder + "/usersetting/MacroPage/M1.ini").absoluteFilePath());
            struct stat info;
            QCOMPARE(::stat(QFile::encodeName(folder + "/Macro.ini").constData(), &info), 0);
            QCOMPARE(int(info.st_mode & 0777), 0600);
            QCOMPARE(QFileInfo(folder + "/Exception/2020_01_01_00_00_00.dmp").lastModified().toSecsSinceEpoch(),
                     longAgo);
        };
        // Nothing marked is ever left beside the new place.
        QCOMPARE(QDir(share).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 result == int(UserPaths::LegacyMove::Moved) ? QStringList{"Orvik SE"} : QStringList());

        if (result == int(UserPaths::LegacyMove::Moved)) {
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QVERIFY(!UserPaths::usingLegacyUserFolder());
            QCOMPARE(UserPaths::userFolder(), current);
            holdsEverything(current);
            QVERIFY(!QFileInfo(old).exists() && !QFileInfo(old).isSymLink());
            if (link.isEmpty()) {
                QVERIFY(!QDir(QDir::homePath() + "/AppData").exists()); // its emptied parents went too
            } else {
                // The real folder stays where the user put it, named by its
                // full path from the new place.
                QCOMPARE(QFileInfo(current).symLinkTarget(), QFileInfo(real).canonicalFilePath());
                QVERIFY(QDir(real).exists());
            }
            // Across file systems: the old folder's rename, the copy's, and
            // the old folder's to a marked name before it is removed.
            if (moveFault == EXDEV && link.isEmpty())
                QCOMPARE(renames, (QStringList{"Orvik SE", "Orvik SE", ".orvik-move-"}));
            return;
        }

        // Not done: the old folder is whole and in use for this run; no new
        // folder stands in the way of the next try.
        QVERIFY(UserPaths::usingLegacyUserFolder());
        QCOMPARE(UserPaths::userFolder(), old);
        QCOMPARE(UserPaths::macroIniFile(), old + "/Macro.ini");
        QVERIFY(!QFileInfo::exists(current));
        holdsEverything(old);
        QCOMPARE(error.isEmpty(), inUse);
        QVERIFY(UserPaths::createUserFolders()); // what start-up makes next
        QVERIFY(!QFileInfo::exists(current));

        // The next start, with the obstacle gone, moves it.
        if (lockFd >= 0) {
            ::close(lockFd);
            lockFd = -1;
        }
        UserPaths::SetMoveRenameFaultForTest(nullptr);
        QCOMPARE(UserPaths::MoveLegacyUserFolder(), UserPaths::LegacyMove::Moved);
        QCOMPARE(UserPaths::userFolder(), current);
        holdsEverything(current);
        QVERIFY(!QFileInfo::exists(old));
    }

    // A move killed while it removed the old folder (its copy in place)
    // leaves the rest under a marked name; the next start removes it, and the
    // parents it emptied, and touches nothing else there.
    void legacyMoveKilledWhileRemovingTheOld()
    {
        const QByteArray dataBefore = qgetenv("XDG_DATA_HOME");
        QTemporaryDir xdg;
        qputenv("XDG_DATA_HOME", QFile::encodeName(xdg.path() + "/share"));
        const QString local = QDir::homePath() + "/AppData/Local";
        auto restore = qScopeGuard([&] {
            qputenv("XDG_DATA_HOME", dataBefore);
            QDir(QDir::homePath() + "/AppData").removeRecursively();
        });
        QVERIFY(QDir().mkpath(UserPaths::macroPageFolder()));
        for (const QString &path :
             {local + "/.orvik-move-Ab12Cd/usersetting/MacroPage/M1.ini", local + "/.orvik-move-Ab12Cd/Macro.ini"}) {
            QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(UserPaths::MoveLegacyUserFolder(), UserPaths::LegacyMove::NotDue);
        QVERIFY(!QDir(QDir::homePath() + "/AppData").exists());

        // Something else in there stays, and so do its parents.
        QVERIFY(QDir().mkpath(local + "/.orvik-move-Ab12Cd"));
        QVERIFY(QDir().mkpath(local + "/.orvik-move-notOurs"));
        QCOMPARE(UserPaths::MoveLegacyUserFolder(), UserPaths::LegacyMove::NotDue);
        QCOMPARE(QDir(local).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{".orvik-move-notOurs"});
    }

    // Without the seam: a parent the user cannot write keeps the old folder
    // in it. (Permissions do not bind root.)
    void legacyMoveFromReadOnlyParent()
    {
        if (::geteuid() == 0)
            QSKIP("running as root: a read-only folder does not stop the rename");
        const QByteArray dataBefore = qgetenv("XDG_DATA_HOME");
        QTemporaryDir xdg;
        qputenv("XDG_DATA_HOME", QFile::encodeName(xdg.path() + "/share"));
        const QString local = QDir::homePath() + "/AppData/Local";
        const QString old = UserPaths::legacyUserFolder();
        auto restore = qScopeGuard([&] {
            QFile::setPermissions(local, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            qputenv("XDG_DATA_HOME", dataBefore);
            QDir(QDir::homePath() + "/AppData").removeRecursively();
            UserPaths::MoveLegacyUserFolder();
        });
        QVERIFY(QDir().mkpath(old));
        {
            QFile ini(old + "/Macro.ini");
            QVERIFY(ini.open(QIODevice::WriteOnly));
            ini.write("[Language]\nLanguage=2\n");
        }
        QVERIFY(QFile::setPermissions(local, QFile::ReadOwner | QFile::ExeOwner));
        QString error;
        QCOMPARE(UserPaths::MoveLegacyUserFolder(&error), UserPaths::LegacyMove::Failed);
        QVERIFY(!error.isEmpty());
        QCOMPARE(UserPaths::userFolder(), old);
        QVERIFY(!QFileInfo::exists(xdg.path() + "/share/Orvik SE"));
    }

    void cleanupTestCase()
    {
        ConfigIni::GetInstance()->Reload(QCoreApplication::applicationDirPath() + "/usersetting/Config.ini");
    }
};

ORVIK_TEST_MAIN(TestSettingsStores)
#include "tst_settingsstores.moc"
