#include "FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace FileDialogs {

namespace {

// The suffix of the filter's first pattern: "bin" for "File(*.bin)".
QString FilterSuffix(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

QString AskQt(const Request &request)
{
    if (!request.save)
        return QFileDialog::getOpenFileName(request.parent, request.caption, request.folder, request.filter);
    // A dialog of our own for the default suffix: the overwrite question is
    // then asked for the name the file will really get.
    QFileDialog dialog(request.parent, request.caption, request.folder, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(FilterSuffix(request.filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
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
    // A name typed without a suffix gets the filter's, or the open chooser's
    // filter would never list the file.
    QString path = Ask(parent, caption, filter, true);
    const QString suffix = FilterSuffix(filter);
    if (!path.isEmpty() && !suffix.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + suffix;
    return path;
}

void SetChooser(Chooser chooser)
{
    CurrentChooser() = std::move(chooser);
}

} // namespace FileDialogs
