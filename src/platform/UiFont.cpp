// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiFont.h"

#include <QFontDatabase>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// Looked up once: a family list would make every font of every window search for the missing
// classic face again.
QString uiFamily()
{
    static const QString family = [] {
        for (const QString &candidate :
             std::array{u"MS Sans Serif"_s, u"Liberation Sans"_s, u"Arial"_s}) {
            if (QFontDatabase::hasFamily(candidate))
                return candidate;
        }
        return QString();
    }();
    return family;
}

} // namespace

QFont uiFont(double pointSize)
{
    QFont font;
    if (!uiFamily().isEmpty())
        font.setFamily(uiFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}
