#pragma once
// The sensor description file "driver_sensor.h" beside the executable: the
// lists of sensor models that offer an option (the six SUPPORT_ lines) and the
// sensors' DPI code tables ("SENSOR_" + model + "_DPI_" + DPI, in file order).
//
// The program reads the file once, at the first call of Get(), and every page
// takes its names, values and lists from here; nothing else opens the file.
//
// Line rules (a line keeps its line feed; words are split at blanks only):
//  - two words, the second containing a SUPPORT_ name: the TAB-separated
//    second part of the second word (line feed removed) replaces that list;
//  - two words, the first exactly "#define": name TAB value; the value is
//    taken only when it carries the line feed (so the last line of a file
//    without a final line break is not taken), in base 16 with "0x" and base
//    10 otherwise, 0 when it is no number;
//  - three words, the third containing "//": name TAB value as above, without
//    the line-feed condition;
//  - every other line, and a line whose name or value part is missing, is
//    skipped. Names may repeat; lookups take the first.

#include <QByteArray>
#include <QString>
#include <QVector>

namespace DriverSensorFile {

enum SupportList {
    SupportSensorModeSel,
    SupportLodCal,
    SupportRipple,
    SupportFixLine,
    SupportMotionSync,
    SupportMousepadCal,
    SupportListCount
};

struct Contents
{
    QVector<QString> names;            // the value lines' names, in file order
    QVector<int> values;               // their values, same order and length
    QString support[SupportListCount]; // the model lists, empty when absent
};

// The line names of the six lists ("SUPPORT_SENSOR_MODE_SEL" ...).
QString SupportName(SupportList list);

// Parses the text of a driver_sensor.h (as read in text mode).
Contents Parse(const QByteArray &text);

// Reads and parses a file; a file that does not open gives empty contents.
Contents ReadFile(const QString &path);

// The program's contents, read from UserPaths::driverSensorFile() at the
// first call (thread-safe; later calls return the same object).
const Contents &Get();

// How often the program read the file (tests: once per process).
int ReadCount();

// The DPI number of a table name: the decimal number after the last "_DPI_"
// ("SENSOR_3395_DPI_800" gives 800); 0 when there is none or it is no number.
int TableNameDpi(const QString &name);

// True when some table name contains the model text (the empty model is in
// every name, so any table counts for it).
bool HasEntriesFor(const Contents &contents, const QString &model);

} // namespace DriverSensorFile
