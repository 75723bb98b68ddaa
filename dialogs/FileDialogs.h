#pragma once
// The file choosers of the exchange files (the button page's configuration
// files, the macro page's macro files). On Linux there is no "G:" drive to
// start in: every chooser starts in the home folder.
//
// Callers ask Open or Save with the dialog's parent, caption and filter and
// get the chosen path, or an empty text when the user cancelled. The choice
// itself is one replaceable function: by default Qt's file dialog, and a test
// may put its own answer in its place (SetChooser) so no dialog has to be
// driven at all.

#include <QString>

#include <functional>

class QWidget;

namespace FileDialogs {

struct Request
{
    QWidget *parent = nullptr;
    QString caption; // "SelectFile", "FileSave"
    QString folder;  // where the chooser starts
    QString filter;  // "File(*.bin)"
    bool save = false;
};

using Chooser = std::function<QString(const Request &request)>;

QString Open(QWidget *parent, const QString &caption, const QString &filter);
// A name given without a suffix gets the filter's ("File(*.bin)": ".bin").
QString Save(QWidget *parent, const QString &caption, const QString &filter);

// Replaces the chooser; an empty function brings Qt's file dialog back.
void SetChooser(Chooser chooser);

} // namespace FileDialogs
