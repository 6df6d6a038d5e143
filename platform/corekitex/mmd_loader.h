#pragma once

#include <QString>

class orvCatalogInfo;

// Attaches the material database of a catalogue in OrvMat, when it is not attached yet, and
// answers its key (orvCatalogInfo::getStrMmdKey). A catalogue carries one material database
// for all its kinds; `kind` ("RS_HZ") is taken for the callers' sake and not checked here,
// since the catalogue list asked for has already been filtered by kind.
//
// OrvMat is loaded through LoadOrvaneLib on the first call, never linked. When the library or
// the database file is missing the key is answered all the same: the caller's first use of
// the database then fails like any missing table, and the module's own loader reports a
// missing library. An empty text for a null catalogue or one without a key.
QString ensureMMDLoaded(const orvCatalogInfo* info, const QString& kind);

// The file ensureMMDLoaded attaches: the catalogue's database (getStrDatabasePath) when it
// exists. Otherwise a database given by a relative name is looked for under that name in the
// catalogue's database folders (orvCatalogInfo::getDatabaseFolders), where a build puts the
// databases it makes from catalogue sources; the first folder that has it wins.
// Empty when the catalogue names no database.
QString catalogDatabaseFile(const orvCatalogInfo& info);
