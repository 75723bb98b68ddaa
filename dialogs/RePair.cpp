#include "RePair.h"

RePair::RePair(QWidget *parent)
    : YesNoDialog(QStringLiteral("RePair"), QStringLiteral("RePairA"), QRect(0, 30, 301, 71),
                  QStringLiteral("        Do you need to pair again"), 180, parent)
{
    FinishConstruction();
}
