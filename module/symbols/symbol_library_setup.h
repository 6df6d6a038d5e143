#pragma once

#include "symbol_library_check.h"
#include "symbol_library_context.h"

#include <QString>
#include <QStringList>

#include <vector>

// What a tool reads around a symbol library besides its symbol files: the installation file
// that names the version and region, and the catalogue descriptors that list files name.
namespace SymbolLibrarySetup {

// Version and region as "<base>/installation.inf" names them; none when there is no such
// file, and an error in `problems` as well when there is one that cannot be read.
SymbolFilterValues InstallationFilters(const QString& base, std::vector<SymbolProblem>& problems);

// The catalogue manager's errors ("path: why", "path:line:column: why") as warnings: a list
// file entry that needs such a catalogue is an error of its own.
std::vector<SymbolProblem> DescriptorProblems(const QStringList& loadErrors);

} // namespace SymbolLibrarySetup
