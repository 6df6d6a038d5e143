// orvane tree: print and convert node-tree files.

#include "cli_command.h"
#include "cli_output.h"

#include "corekit/tree_items.h"

#include <QFileInfo>
#include <QIODevice>

#include <memory>

namespace orvane::cli {
namespace {

const char* const kTreeHelp =
    "Usage: orvane tree print FILE\n"
    "       orvane tree convert IN OUT\n\n"
    "print    writes the tree in FILE (text or XML form) to standard output in the text form\n"
    "convert  reads IN and writes it to OUT in the form OUT's extension asks for\n"
    "         (\".infx\": XML, anything else: text); OUT is replaced atomically\n";

std::unique_ptr<CNode> readTree(const QString& path, CommandIo& io) {
    CNode* root = nullptr;
    TreeReadError error;
    if (!TreeItems::ReadFromFile(path, root, 0, &error)) {
        io.err << error.ToString() << "\n";
        return nullptr;
    }
    return std::unique_ptr<CNode>(root);
}

int runTree(const QStringList& args, CommandIo& io) {
    if (args.isEmpty() || wantsHelp(args)) {
        (args.isEmpty() ? io.err : io.out) << kTreeHelp;
        return args.isEmpty() ? UsageError : Success;
    }
    const QString verb = args.first();
    const QStringList rest = args.mid(1);
    if (verb == QStringLiteral("print") && rest.size() == 1) {
        const auto tree = readTree(rest[0], io);
        if (!tree)
            return WorkFailed;
        // Written as the tree is walked: straight to the device of the stream when it has one,
        // block by block (each of whole lines) into it otherwise.
        QIODevice* device = io.out.device();
        io.out.flush();
        const bool written = NodeFormats::WriteText(*tree, [&](QByteArrayView block) {
            if (device)
                return device->write(block.data(), block.size()) == block.size();
            io.out << QString::fromUtf8(block);
            return true;
        });
        if (!written) {
            io.err << "orvane tree print: the output cannot be written\n";
            return WorkFailed;
        }
        return Success;
    }
    if (verb == QStringLiteral("convert") && rest.size() == 2) {
        const auto tree = readTree(rest[0], io);
        if (!tree)
            return WorkFailed;
        // Onto IN itself is allowed: IN is read whole first, and the form may change in place.
        if (!readyOutputFile(rest[1], io.err))
            return WorkFailed;
        if (!tree->WriteToFile(rest[1], false, false)) {
            io.err << rest[1] << ": cannot be written\n";
            return WorkFailed;
        }
        return Success;
    }
    io.err << "orvane tree: wrong arguments\n" << kTreeHelp;
    return UsageError;
}

const CommandRegistration registration{{QStringLiteral("tree"),
                                        QStringLiteral("print and convert node-tree files (.inf, .infx)"),
                                        runTree, neverPaints}};

} // namespace
} // namespace orvane::cli
