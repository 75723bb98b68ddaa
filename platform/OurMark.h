#pragma once
// The mark that tells our own temporary files and folders (a save in
// progress, a folder being moved) from anything a user could have named: a
// fixed prefix, six random letters or digits, a fixed suffix. Whatever is
// cleaned up at start goes by this mark alone.

#include <QLatin1String>
#include <QString>

namespace OurMark {

constexpr int RandomLength = 6;

// Six random letters or digits.
QString RandomPart();

// True when name is prefix, six letters or digits, then suffix.
bool Matches(const QString &name, QLatin1String prefix, QLatin1String suffix);

} // namespace OurMark
