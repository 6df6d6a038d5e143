#pragma once

#include "orvane_export.h"

#include <QString>

// Finding out which host runs the module. Revit shows itself by its program file
// "Revit.exe" in the process; the folder holding it names the release ("Revit 2019"). On this
// platform the host says so itself: a host acting as Revit calls SetRevitProgramFolder before
// the module starts.
namespace HostDetection {

struct HostKind {
    bool isRevit = false;
    QString revitVersion; // empty outside Revit, and for a folder name of fewer than two words
};

// The Revit release from the folder that holds the Revit program: the second word of the
// folder's own name; the word "Preview" stands for "2018". Accepts '\' and '/' in the path.
QString RevitVersionFromProgramFolder(const QString& programFolder);

// Declares the host to be Revit with its program in `folder`; an empty folder declares the
// drawing host again. Takes effect at the next start-up.
ORVANE_EXPORT void SetRevitProgramFolder(const QString& folder);

// The Revit program file loaded in the process, empty when there is none.
QString FindRevitProgram();

HostKind DetectHost();

} // namespace HostDetection
