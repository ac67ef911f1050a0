// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/VirtualKey.h"

#include <Qt>
#include <gtest/gtest.h>

namespace {

struct KeyCase
{
    int qtKey;
    int code;
};

class VirtualKeyTest : public ::testing::TestWithParam<KeyCase>
{ };

TEST_P(VirtualKeyTest, MapsQtKeysToTheirCodes)
{
    EXPECT_EQ(virtualKeyCode(GetParam().qtKey), GetParam().code);
}

// Qt's "+" and "-" carry the numbers of Execute and Insert; they must do nothing here.
INSTANTIATE_TEST_SUITE_P(Keys, VirtualKeyTest,
                         ::testing::Values(KeyCase{Qt::Key_Return, 13}, KeyCase{Qt::Key_Enter, 13},
                                           KeyCase{Qt::Key_Escape, 27}, KeyCase{Qt::Key_Left, 37},
                                           KeyCase{Qt::Key_Up, 38}, KeyCase{Qt::Key_Right, 39},
                                           KeyCase{Qt::Key_Down, 40}, KeyCase{Qt::Key_Execute, 43},
                                           KeyCase{Qt::Key_Insert, 45}, KeyCase{Qt::Key_F1, 112},
                                           KeyCase{Qt::Key_A, 65}, KeyCase{Qt::Key_5, 53},
                                           KeyCase{Qt::Key_Plus, 0}, KeyCase{Qt::Key_Minus, 0},
                                           KeyCase{Qt::Key_F2, 0}));

} // namespace
