// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoakWorld.h"

#include "SoakCatalogues.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "catalogue/SettingsFile.h"
#include "catalogue/StandardPairs.h"

#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

SoakWorld::SoakWorld(std::uint64_t seed)
    : dice(seed)
    , dialogs(dice.bits(),
              [this] { return m_program ? main().questionDisplay->text() : QString(); })
    , random(dice.bits())
{
    for (const StandardPair &pair : standardPairs)
        known.add(QString::fromUtf16(pair.question), QString::fromUtf16(pair.answer));
    for (const auto &[name, bytes] : SoakCatalogues::startingFiles(dice))
        writeCatalogue(name, bytes);
    // The first run starts with a standard file and printing allowed; the editor changes both.
    const WriteResult settings =
            writeSettingsFile(kSettingsFileName.toString(), {u"TIERE.TXT"_s, 1, 1});
    EXPECT_TRUE(settings.ok) << settings.error.toStdString();
}

SoakWorld::~SoakWorld() = default;

void SoakWorld::start()
{
    m_program.reset();
    m_program = std::make_unique<Program>(Services{dialogs, random, printer, clipboard, speech});
    // Ending only counts here: the soak goes on with a new run, as the user would start the
    // program again.
    m_program->setEndHandler([this] { ++ends; });
    m_program->start();
    // The timer's one tick comes 100 ms after start-up, before any user could act.
    main().applyStartupSettings();
    ++starts;
}

MainWindow &SoakWorld::main()
{
    return m_program->mainWindow();
}

EditorWindow &SoakWorld::editor()
{
    return m_program->editorWindow();
}

AboutBox &SoakWorld::aboutBox()
{
    return m_program->aboutBox();
}

void SoakWorld::writeCatalogue(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            && file.write(bytes) == bytes.size();
    EXPECT_TRUE(written) << "cannot write " << name.toStdString();
    known.add(parseCatalogue(bytes).pairs);
}
