#pragma once
// Read-only access to the application's Config.ini ("usersetting/Config.ini"
// beside the executable): the supported models, the USB identifiers and the
// skin colours. Some keys are stored Base64-coded and are decoded on reading.
// Safe from any thread: every read is serialized on one lock.

#include <QString>
#include <QStringList>
#include <mutex>

class QSettings;

class ConfigIni
{
public:
    static ConfigIni *GetInstance();

    // The text of group/key; "" when missing. Coded keys are Base64-decoded
    // and stripped of line feeds and blanks.
    QString GetValue(const QString &group, const QString &key);
    // The value as a list (comma-separated items); empty when missing. Coded
    // keys have every item decoded and cleaned.
    QStringList GetValueList(const QString &group, const QString &key);
    // "Option"/"DeviceTotal", the number of model groups, bounded to
    // 0..MaxModelGroups (a value that is no number counts as 0). Every loop over
    // the models and every table sized by them goes through this.
    static constexpr int MaxModelGroups = 1000;
    int ModelTotal();
    // The numbers n of the model groups "Drive" + n that exist in the file,
    // 1 <= n <= ModelTotal(), ascending.
    QList<int> ModelGroups();

    // Base64-decodes a text in the local 8-bit encoding.
    QString DecodeBase64(const QString &text);

    // The keys whose stored text is Base64 (whatever the group).
    static bool IsCodedKey(const QString &key);

    // Re-opens Config.ini; with a path, reads that file from now on (tests
    // point the store at a Config.ini of their own).
    void Reload(const QString &path = QString());

    QString FilePath() const { return m_FilePath; }

private:
    ConfigIni();
    QString DecodeItem(const QString &text) const;
    // What is wrong with the file just opened ("" when nothing); lock held.
    QString FileFault() const;

    QSettings *m_Settings = nullptr;
    QString m_FilePath;
    QString m_Unused;
    int m_Decode = 1;
    bool m_Unreadable = false;
    std::mutex m_Mutex;
};

extern ConfigIni *g_ConfigIni;
