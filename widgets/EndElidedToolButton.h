#pragma once
// A tool button whose caption, when wider than the button, is cut at its end
// with an ellipsis. A plain tool button centres a long caption and clips it
// on both sides, so neither the start nor the end of a long macro name shows.
// text() keeps the whole caption: callers compare it with macro names.

#include <QToolButton>

class EndElidedToolButton : public QToolButton
{
    Q_OBJECT

public:
    explicit EndElidedToolButton(QWidget *parent = nullptr);

    // The caption as drawn: the whole text when it fits the label's width,
    // else its longest beginning that fits with the ellipsis.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
