#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <type_traits>
#include <utility>

class QLibrary;

// A suite library loaded on the first call into it (LoadOrvaneLib). When the library or a
// function is missing, the planner is told once per load attempt, in a "DLL Error" message
// box (through the UI services, untranslated), and every such call answers 0 (or null, or
// nothing for a void function): the module goes on running without the library.
//
// Calls are typed by the function's own declaration, so that arguments are converted exactly
// as a direct call would convert them:
//
//   #include "orvmat/orvmat.h"   // declarations only; nothing links against OrvMat
//   int ok = ORVANE_LAZY_CALL(OrvMatLibrary(), OrvMat_AttachDatabase, key, path);
//   // the same without the macro:
//   int ok = OrvMatLibrary().Call<decltype(OrvMat_AttachDatabase)>("OrvMat_AttachDatabase", key, path);
//
// Resolve<Fn>(name) gives the function pointer itself (null when missing) for repeated calls.
class CLazyLibrary {
public:
    // `name`: the library's bare name ("OrvMat"). `errorShown`: the flag that records the
    // report; cleared at every load attempt (the object keeps its own when none is given).
    // `firstFolders`: searched before the usual places (LoadOrvaneLib).
    explicit CLazyLibrary(const QString& name, unsigned char* errorShown = nullptr,
                          QStringList firstFolders = {});
    ~CLazyLibrary();
    CLazyLibrary(const CLazyLibrary&) = delete;
    CLazyLibrary& operator=(const CLazyLibrary&) = delete;

    const QString& Name() const { return m_name; }

    // Loads on first use; false when the library is missing (reported as above).
    bool IsAvailable();

    template <typename Fn> Fn* Resolve(const char* function) {
        static_assert(std::is_function_v<Fn>, "give the function's type, e.g. decltype(OrvMat_IdOfKey)");
        return reinterpret_cast<Fn*>(ResolveAddress(function));
    }

    template <typename Fn, typename... Args> auto Call(const char* function, Args&&... args) {
        using Result = decltype(std::declval<Fn*>()(std::forward<Args>(args)...));
        Fn* fn = Resolve<Fn>(function);
        if constexpr (std::is_void_v<Result>) {
            if (fn)
                fn(std::forward<Args>(args)...);
        } else {
            return fn ? fn(std::forward<Args>(args)...) : Result{};
        }
    }

    // Forgets the library and its report: the next call is a new load attempt.
    void Reset();

private:
    void* ResolveAddress(const char* function);
    bool EnsureLoadAttempted();
    void ReportOnce(const QString& text);

    QString m_name;
    QStringList m_firstFolders;
    unsigned char m_ownFlag = 0;
    unsigned char* m_errorShown;
    bool m_attempted = false;
    std::unique_ptr<QLibrary> m_library;
    QHash<QByteArray, void*> m_functions; // resolved, or null when missing
    QStringList m_requested;              // names in the order first asked for
};

#define ORVANE_LAZY_CALL(library, function, ...)                                                             \
    (library).Call<decltype(function)>(#function __VA_OPT__(, ) __VA_ARGS__)

// The module's material database library "OrvMat"; reports through g_loadErrorShown.
CLazyLibrary& OrvMatLibrary();

// The texts of the two reports, untranslated; %s and %d as in sformat.
inline constexpr const char* kDllErrorCaption = "DLL Error";
inline constexpr const char* kDllMissingText = "Error in %s!\nRequired program part %s cannot be found.";
inline constexpr const char* kDllIncompatibleText =
    "Error in %s!\nRequired program part %s is not compatible with the current program version.\n"
    "Missing function: No. %d";
