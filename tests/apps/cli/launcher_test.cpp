// The orvane launcher as a user starts it: every group of its index runs from the library it
// opens for that group, and a command that does not paint loads no Qt GUI.

#include "command_index.h"
#include "test_folder.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

using orvane::test::FolderTest;

struct Launch {
    int status = -1;
    QString out;
    QStringList initialised; // the libraries the dynamic loader started, in order
};

// Runs the launcher with the loader naming every library it starts (on standard error).
Launch launch(const QStringList& args) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("libs"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ORVANE_LAUNCHER), args);
    Launch result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString& line : QString::fromUtf8(process.readAllStandardError()).split(u'\n')) {
        const qsizetype at = line.indexOf(QStringLiteral("calling init: "));
        if (at >= 0)
            result.initialised << line.mid(at + 14).trimmed();
    }
    return result;
}

bool loads(const Launch& launch, const QString& library) {
    return launch.initialised.filter(library).size() > 0;
}

TEST(Launcher, EveryGroupOfTheIndexAnswersFromItsLibrary) {
    for (int i = 0; i < orvane::cli::kCommandSummaryCount; ++i) {
        const QString group = QString::fromLatin1(orvane::cli::kCommandSummaries[i].name);
        const Launch result = launch({group, QStringLiteral("--help")});
        EXPECT_EQ(result.status, 0) << qPrintable(group);
        EXPECT_TRUE(result.out.contains(QStringLiteral("orvane ") + group)) << qPrintable(group);
        EXPECT_TRUE(loads(result, QStringLiteral("liborvane_cmd_") + group + QStringLiteral(".so")))
            << qPrintable(group);
    }
    const Launch unknown = launch({QStringLiteral("frobnicate")});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_FALSE(loads(unknown, QStringLiteral("liborvane_cmd_")));
}

TEST_F(FolderTest, OnlyPaintingCommandsLoadQtGui) {
    const QString tree = folder.write(QStringLiteral("small.inf"), "Root {\n  Leaf = \"1\"\n}\n");
    const struct {
        QStringList args;
        bool paints;
    } cases[] = {
        {{QStringLiteral("tree"), QStringLiteral("print"), tree}, false},
        {{QStringLiteral("symbols"), QStringLiteral("--help")}, false},
        {{QStringLiteral("catalog"), QStringLiteral("--help")}, false},
        {{QStringLiteral("hydraulics"), QStringLiteral("render"), QStringLiteral("-o"),
          folder.filePath(QStringLiteral("circuit.svg"))},
         true},
    };
    for (const auto& c : cases) {
        const Launch result = launch(c.args);
        EXPECT_EQ(result.status, 0) << qPrintable(c.args.join(u' '));
        EXPECT_EQ(loads(result, QStringLiteral("libQt6Gui.so")), c.paints) << qPrintable(c.args.join(u' '));
        EXPECT_TRUE(loads(result, QStringLiteral("libQt6Core.so"))) << qPrintable(c.args.join(u' '));
    }
}

} // namespace
