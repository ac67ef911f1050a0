// SPDX-License-Identifier: GPL-3.0-or-later
// A text far longer than any display is shown only up to a bound.
#include "platform/DisplayText.h"
#include "support/Files.h"

namespace {

const QString bounded = QString(displayedCharacters, u'a');

TEST(DisplayText, CutsOnlyBeyondTheBoundAndNeverInsideACharacter)
{
    const std::pair<QString, QString> cases[] = {{bounded, bounded},
                                                 {bounded + u'b', bounded + u'…'},
                                                 {bounded.first(displayedCharacters - 1) + u"😀b"_s,
                                                  bounded.first(displayedCharacters - 1) + u'…'}};
    for (const auto &[text, shown] : cases)
        EXPECT_EQ(displayText(text), shown) << text.size();
}

} // namespace
