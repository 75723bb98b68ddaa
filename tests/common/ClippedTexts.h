#pragma once
// The captions of a window that are wider than their fixed boxes: a label,
// check box or button whose text runs past its room loses its end (or, right
// aligned, its start), which a translation longer than the form's own text
// easily does. A one-line label lower than its font's line may also lose the
// ink above or below its box (descenders first, when it is centred).

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextDocument>
#include <QWidget>

#include "LanguageLoader.h"

namespace OrvikTest {

// Rows of a picture that hold ink: any pixel unlike the same pixel of the
// blank picture.
inline int InkRows(const QImage &picture, const QImage &blank)
{
    int first = -1;
    int last = -1;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != blank.pixel(x, y)) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

// How many rows of its text's ink a one-line label loses at its top or
// bottom: the label's own drawing (against itself without the text, so a
// background picture is no ink) beside the text drawn with room to spare.
inline int InkRowsCut(QLabel *label)
{
    const auto draw = [label](const QString &text) {
        QImage picture(label->size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        const QString kept = label->text();
        label->setText(text);
        label->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
        label->setText(kept);
        return picture;
    };
    const int drawn = InkRows(draw(label->text()), draw(QString()));
    QImage free(label->width(), label->height() * 3, QImage::Format_ARGB32_Premultiplied);
    free.fill(Qt::transparent);
    QImage blank = free;
    {
        QPainter painter(&free);
        painter.setFont(label->font());
        painter.setPen(Qt::white);
        painter.drawText(free.rect(), int(Qt::AlignLeft | Qt::AlignVCenter), label->text());
    }
    return InkRows(free, blank) - drawn;
}

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

// One line per one-line label of a window that loses ink at its top or bottom:
// object name, text and the rows lost.
inline QStringList CutInkTexts(QWidget *root)
{
    QStringList cut;
    for (QLabel *label : root->findChildren<QLabel *>()) {
        const QString text = label->text();
        if (label->wordWrap() || text.isEmpty() || !label->isVisibleTo(root) || Qt::mightBeRichText(text)
            || text.contains(QLatin1Char('\n')))
            continue;
        // Only a label lower than its font's line can lose ink this way.
        if (label->contentsRect().height() >= QFontMetrics(label->font()).height())
            continue;
        const int rows = InkRowsCut(label);
        if (rows > 0)
            cut << QString("%1 \"%2\" loses %3 px of ink above or below").arg(label->objectName(), text).arg(rows);
    }
    return cut;
}

// One row per language file: column "language", the language index.
inline void LanguageRows()
{
    QTest::addColumn<int>("language");
    for (int i = 0; i <= 5; ++i)
        QTest::newRow(qPrintable(LanguageLoader::FilePath(i).section('/', -1))) << i;
}

} // namespace OrvikTest
