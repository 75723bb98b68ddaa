#include "FileDialogs.h"

#include <QDir>
#include <QFileDialog>

namespace FileDialogs {

namespace {

QString AskQt(const Request &request)
{
    if (request.save)
        return QFileDialog::getSaveFileName(request.parent, request.caption, request.folder, request.filter);
    return QFileDialog::getOpenFileName(request.parent, request.caption, request.folder, request.filter);
}

// GUI thread only, like the dialogs it stands for.
Chooser &CurrentChooser()
{
    static Chooser chooser;
    return chooser;
}

QString Ask(QWidget *parent, const QString &caption, const QString &filter, bool save)
{
    const Request request{parent, caption, QDir::homePath(), filter, save};
    const Chooser &chooser = CurrentChooser();
    return chooser ? chooser(request) : AskQt(request);
}

} // namespace

QString Open(QWidget *parent, const QString &caption, const QString &filter)
{
    return Ask(parent, caption, filter, false);
}

QString Save(QWidget *parent, const QString &caption, const QString &filter)
{
    return Ask(parent, caption, filter, true);
}

void SetChooser(Chooser chooser)
{
    CurrentChooser() = std::move(chooser);
}

} // namespace FileDialogs
