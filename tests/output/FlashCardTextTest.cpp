// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/FlashCards.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ClipboardCase
{
    const char *name;
    QStringList questions, answers;
    qsizetype count;
    QString text;
};

class FlashCardClipboardText : public ::testing::TestWithParam<ClipboardCase>
{ };

TEST_P(FlashCardClipboardText, HoldsQuestionAnswerAndAnEmptyLinePerCard)
{
    const ClipboardCase &c = GetParam();
    EXPECT_EQ(flashCardClipboardText(c.questions, c.answers, c.count), c.text);
}

INSTANTIATE_TEST_SUITE_P(
        Cards, FlashCardClipboardText,
        ::testing::Values(ClipboardCase{"OnlyTheFrontOfTheCatalogue",
                                        {u"F0"_s, u"F1"_s, u"F2"_s},
                                        {u"A0"_s, u"A1"_s, u"A2"_s},
                                        1,
                                        u"F0\r\nA0\r\n\r\n"_s},
                          ClipboardCase{"PairsPastTheEndAreEmpty",
                                        {u"F0"_s},
                                        {u"A0"_s},
                                        3,
                                        u"F0\r\nA0\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"_s},
                          ClipboardCase{"UmlautsAndBlanksKept",
                                        {u" Größe?"_s},
                                        {u"Fünf Äpfel "_s},
                                        1,
                                        u" Größe?\r\nFünf Äpfel \r\n\r\n"_s},
                          ClipboardCase{"NoCards", {u"F0"_s}, {u"A0"_s}, 0, QString()}),
        [](const auto &info) { return std::string(info.param.name); });

} // namespace
