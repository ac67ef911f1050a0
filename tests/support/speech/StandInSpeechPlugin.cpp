// SPDX-License-Identifier: GPL-3.0-or-later
#include "StandInSpeechPlugin.h"

#include "StandInSpeechEngine.h"

QTextToSpeechEngine *StandInSpeechPlugin::createTextToSpeechEngine(const QVariantMap &,
                                                                   QObject *parent, QString *) const
{
    return new StandInSpeechEngine(parent);
}
