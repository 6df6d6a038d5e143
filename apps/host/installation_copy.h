#pragma once

#include <QString>

// A copy of an installation for a run that changes its files (the tour edits symbols and writes
// blocks and slides): `to` is emptied first, then every folder and file below `from` is copied.
// False with the file that failed in `error`.
bool CopyInstallation(const QString& from, const QString& to, QString* error = nullptr);
