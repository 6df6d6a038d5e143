#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QLibrary;

// A module handle: any address inside the module's code or data (the address of a
// module-wide object serves well). The file of the module is found from it.
using HINSTANCE = const void*;

// Where a program part lives and where the installation keeps its data.
class CDllModule {
public:
    enum Kind {
        kFile = 1,        // the module's own file
        kProgramDir = 2,  // the folder holding the module's file
        kSupportDir = 6,  // the installation's supplied data (default support folder)
        kStandardsDir = 7 // the user's own data (default standards folder)
    };

    // Non-zero when the module's file was found.
    int Init(HINSTANCE instance);
    // For a program known only by its file, such as the host program.
    int InitFromFile(const QString& filePath);

    // The path of that kind, folders without a trailing separator; empty when unknown.
    QString Get(int kind) const;

private:
    QString m_file;
};

// The file of the module that holds `address`, empty when none does.
QString ModuleFileOf(HINSTANCE address);

// Loads a library of the suite by its bare name ("OrvMat" finds libOrvMat.so). Looks, in
// this order, in the caller's `firstFolders`, beside the module `instance`, beside CoreKit
// (the suite's libraries lie together, also for a program whose module is the program itself)
// and in the installation's library folder. Null when none loads.
std::unique_ptr<QLibrary> LoadOrvaneLib(const QString& name, HINSTANCE instance,
                                        const QStringList& firstFolders = {});
