#pragma once
// The per-user settings file Macro.ini (in UserPaths::userFolder()):
// language, auto-start and similar. Keys are addressed as group + "/" + key.
// Safe from any thread.

#include <QString>
#include <mutex>

class QSettings;

class MacroIni
{
public:
    static MacroIni *GetInstance();

    QString GetValue(const QString &group, const QString &key);
    void SetValue(const QString &group, const QString &key, const QString &value);
    void RemoveValue(const QString &group, const QString &key);

    // Writes pending changes to disk now (Qt would otherwise do it on the
    // next event-loop turn or at exit).
    void Sync();

    QString FilePath() const { return m_FilePath; }

private:
    MacroIni();

    QSettings *m_Settings = nullptr;
    QString m_FilePath;
    std::mutex m_Mutex;
};

extern MacroIni *g_MacroIni;
