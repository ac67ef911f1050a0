// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes, as a settings file: reading gives switches within their range, and settings that
// were read are written so that they read back the same.
#include "catalogue/SettingsFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Settings settings = parseSettings(QByteArrayView(data, qsizetype(size)));
    if (settings.printPermission < 0 || settings.printPermission > 2 || settings.hideDrives < 0
        || settings.hideDrives > 2)
        std::abort();
    // Every name the reader gives has a written form: a field it reads never begins with a
    // double quote, and a quoted one holds none.
    if (!(parseSettings(serializeSettings(settings)) == settings))
        std::abort();
    return 0;
}
