#pragma once
// A small value store of our own in place of the Windows registry: an INI
// file in the user's configuration folder ("<config>/Orvik SE/registry.ini"),
// one group per key path. Key paths are written with "/" as in
// "Software/Orvik SE/Orvik SE/Mouse Drive Test"; a leading
// "HKEY_CURRENT_USER/" (or "\" separators) is accepted and dropped.
// Thread-safe: the library's thread writes version reports while the GUI
// thread reads.

#include <QString>
#include <QVariant>

namespace RegistryStore {

// Key paths used by the program.
QString languageKey();  // "Software/Orvik SE/Orvik SE/Orvik SE" (LanguageIndex)
QString mouseTestKey(); // "Software/Orvik SE/Orvik SE/Mouse Drive Test" (MouseVer..., UpdateFailInfo)

QVariant value(const QString &keyPath, const QString &name, const QVariant &defaultValue = QVariant());
void setValue(const QString &keyPath, const QString &name, const QVariant &value);
void remove(const QString &keyPath, const QString &name);
bool contains(const QString &keyPath, const QString &name);

// The backing file (tests, diagnostics).
QString filePath();

} // namespace RegistryStore
