#include "UiFont.h"

#include <QStringList>

using namespace Qt::StringLiterals;

QFont uiFont(double pointSize)
{
    QFont font;
    font.setFamilies(QStringList{u"MS Sans Serif"_s, u"Liberation Sans"_s, u"Arial"_s, u"DejaVu Sans"_s});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}
