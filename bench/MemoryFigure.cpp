// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryFigure.h"

#include "BenchProgram.h"
#include "support/Controls.h"
#include "CatalogueGenerator.h"

#include "platform/FileListBox.h"

#include <QFileInfo>
#include <fstream>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

double residentBytes()
{
    malloc_trim(0); // memory already given back must not count
    std::ifstream statm("/proc/self/statm");
    double size = 0;
    double resident = 0;
    statm >> size >> resident;
    return resident * double(sysconf(_SC_PAGESIZE));
}

} // namespace

double memoryPerFileByte()
{
    BenchProgram program;
    const QString path = writeGeneratedCatalogue(program.folder(), 32767);
    control<FileListBox>(program.main(), u"Datei1"_s)->setPath(program.folder());
    const double before = residentBytes();
    control<FileListBox>(program.main(), u"Datei1"_s)->setCurrentRow(0);
    const double after = residentBytes();
    return (after - before) / double(QFileInfo(path).size());
}

double largestFilePeakShareOfGiB()
{
    BenchProgram program;
    writeLargestFile(program.folder(), LargestFile::OneLetterPairs, 1);
    writeLargestFile(program.folder(), LargestFile::OneLetterPairs, 2);
    control<FileListBox>(program.main(), u"Datei1"_s)->setPath(program.folder());
    control<FileListBox>(program.main(), u"Datei1"_s)->setCurrentRow(0);
    control<FileListBox>(program.main(), u"Datei1"_s)->setCurrentRow(1);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) * 1024 / double(1 << 30);
}
