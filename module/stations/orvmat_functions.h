#pragma once

// The functions of the material database library that the station code calls, resolved on
// first use. When the library or a function is missing, the entry points to a function that
// answers 0: a failure for most calls, but success with nothing written for opening a table
// and reading a cell.

#include "orvmat/orvmat.h"

namespace WoSt {

struct OrvMatFunctions {
    decltype(&OrvMat_SelectDatabase) SelectDatabase;
    decltype(&OrvMat_IdOfKey) IdOfKey;
    decltype(&OrvMat_KeyOfId) KeyOfId;
    decltype(&OrvMat_OpenTable) OpenTable;
    decltype(&OrvMat_FirstRowPos) FirstRowPos;
    decltype(&OrvMat_NextRow) NextRow;
    decltype(&OrvMat_ReadText) ReadText;
    decltype(&OrvMat_ReadInt) ReadInt;
    decltype(&OrvMat_ReadFloat) ReadFloat;
    decltype(&OrvMat_ReadRef) ReadRef;
    decltype(&OrvMat_ListCreate) ListCreate;
    decltype(&OrvMat_ListDestroy) ListDestroy;
    decltype(&OrvMat_ListClear) ListClear;
    decltype(&OrvMat_ListAdd) ListAdd;
    decltype(&OrvMat_ListExpand) ListExpand;
    decltype(&OrvMat_ListFirstPos) ListFirstPos;
    decltype(&OrvMat_ListNext) ListNext;
    decltype(&OrvMat_ListSetSelectionSource) ListSetSelectionSource;
    decltype(&OrvMat_ListShowSelectionDialog) ListShowSelectionDialog;
};

const OrvMatFunctions& OrvMat();

} // namespace WoSt
