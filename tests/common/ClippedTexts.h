#pragma once
// The captions of a window that are wider than their fixed boxes: a label,
// check box or button whose text runs past its room loses its end (or, right
// aligned, its start), which a translation longer than the form's own text
// easily does.

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextDocument>
#include <QWidget>

#include "LanguageLoader.h"

namespace OrvikTest {

// One line per clipped caption: object name, text, width needed and room.
inline QStringList ClippedTexts(QWidget *root)
{
    QStringList clipped;
    const auto check = [&clipped, root](QWidget *w, const QString &text, int room) {
        if (text.isEmpty() || !w->isVisibleTo(root) || Qt::mightBeRichText(text))
            return;
        const int wide = w->fontMetrics().horizontalAdvance(text);
        if (wide > room)
            clipped << QString("%1 \"%2\" %3 > %4 px").arg(w->objectName(), text).arg(wide).arg(room);
    };
    for (QLabel *label : root->findChildren<QLabel *>())
        if (!label->wordWrap())
            check(label, label->text(), label->contentsRect().width());
    for (QCheckBox *box : root->findChildren<QCheckBox *>()) {
        QStyleOptionButton option;
        option.initFrom(box);
        check(box, box->text(), box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width());
    }
    // Buttons drawn as plain text (links, the footer): the text has the whole width.
    for (QPushButton *button : root->findChildren<QPushButton *>())
        if (button->icon().isNull())
            check(button, button->text(), button->contentsRect().width());
    return clipped;
}

// One row per language file: column "language", the language index.
inline void LanguageRows()
{
    QTest::addColumn<int>("language");
    for (int i = 0; i <= 5; ++i)
        QTest::newRow(qPrintable(LanguageLoader::FilePath(i).section('/', -1))) << i;
}

} // namespace OrvikTest
