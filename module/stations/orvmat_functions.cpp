#include "orvmat_functions.h"

namespace WoSt {

void* ResolveOrvMatFunction(const char* name); // orvmat_loader.cpp

namespace {

template <class R, class... Args> R answerZero(Args...) {
    return R{};
}

template <class R, class... Args> void resolve(R (*&function)(Args...), const char* name) {
    function = reinterpret_cast<R (*)(Args...)>(ResolveOrvMatFunction(name));
    if (!function)
        function = &answerZero<R, Args...>;
}

OrvMatFunctions load() {
    OrvMatFunctions f{};
    resolve(f.SelectDatabase, "OrvMat_SelectDatabase");
    resolve(f.IdOfKey, "OrvMat_IdOfKey");
    resolve(f.KeyOfId, "OrvMat_KeyOfId");
    resolve(f.OpenTable, "OrvMat_OpenTable");
    resolve(f.FirstRowPos, "OrvMat_FirstRowPos");
    resolve(f.NextRow, "OrvMat_NextRow");
    resolve(f.ReadText, "OrvMat_ReadText");
    resolve(f.ReadInt, "OrvMat_ReadInt");
    resolve(f.ReadFloat, "OrvMat_ReadFloat");
    resolve(f.ReadRef, "OrvMat_ReadRef");
    resolve(f.ListCreate, "OrvMat_ListCreate");
    resolve(f.ListDestroy, "OrvMat_ListDestroy");
    resolve(f.ListClear, "OrvMat_ListClear");
    resolve(f.ListAdd, "OrvMat_ListAdd");
    resolve(f.ListExpand, "OrvMat_ListExpand");
    resolve(f.ListFirstPos, "OrvMat_ListFirstPos");
    resolve(f.ListNext, "OrvMat_ListNext");
    resolve(f.ListSetSelectionSource, "OrvMat_ListSetSelectionSource");
    resolve(f.ListShowSelectionDialog, "OrvMat_ListShowSelectionDialog");
    return f;
}

} // namespace

const OrvMatFunctions& OrvMat() {
    static const OrvMatFunctions functions = load();
    return functions;
}

} // namespace WoSt
