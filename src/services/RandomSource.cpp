// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomSource.h"

#include <QTime>

ClockRandomSource::ClockRandomSource()
{
    reseedFromClock();
}

double ClockRandomSource::next()
{
    return m_uniform(m_engine);
}

void ClockRandomSource::reseedFromClock()
{
    m_engine.seed(std::mt19937::result_type(QTime::currentTime().msecsSinceStartOfDay()));
}
