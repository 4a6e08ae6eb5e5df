// Where the program finds its data and writes its files.
#pragma once

#include <QString>

namespace pukana {

struct ProgramPaths {
    QString appDir;  ///< the program's folder, ending in one separator
    QString dataDir; ///< where pukana.INI, pukana2.dic and pukana.$$$ live; may be empty

    /// A file in the data folder, or "" when there is no folder to write to.
    QString dataFile(QStringView name) const {
        return dataDir.isEmpty() ? QString() : dataDir + name;
    }
};

} // namespace pukana
