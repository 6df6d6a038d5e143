#include "corekit/document_policy.h"
#include "corekit/ui_recorder.h"
#include "test_folder.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

using orvane::test::FolderTest;
using Kind = CRecordingUiServices::Kind;

namespace {

constexpr auto exec = QFile::ExeOwner | QFile::ExeUser | QFile::ReadOwner | QFile::WriteOwner;

struct Layout {
    QString catalogue; // the folder values must stay inside
    QString outside;
};

// Lays out a catalogue folder with documents and hostile files, and a folder beside it.
Layout makeFiles(const orvane::test::TestFolder& folder) {
    const QString program = QCoreApplication::applicationFilePath(); // a real executable
    folder.write("kat/blatt.pdf", "%PDF-1.4\n1 0 obj\n<< >>\nendobj\n%%EOF\n");
    folder.write("kat/liesmich.txt", "Montagehinweise\n");
    folder.write("kat/hilfe.html", "<html><body><p>Hilfe</p></body></html>");
    folder.write("kat/bild.png", QByteArray::fromHex("89504e470d0a1a0a"));
    folder.write("kat/angebot.docx", "PK\x03\x04");
    folder.write("kat/makro.docm", "PK\x03\x04");
    QFile::copy(program, folder.filePath("kat/programm"));
    QFile::copy(program, folder.filePath("kat/tarnung.pdf"));
    QFile(folder.filePath("kat/tarnung.pdf")).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    folder.write("kat/start.sh", "#!/bin/sh\necho gestartet\n");
    QFile(folder.filePath("kat/start.sh")).setPermissions(exec);
    folder.write("kat/skript.sh", "#!/bin/sh\necho gestartet\n");
    folder.write("kat/notiz.txt", "#!/bin/sh\necho gestartet\n");
    folder.write("kat/starter.desktop", "[Desktop Entry]\nType=Application\nExec=sh -c true\n");
    QFile::link(folder.filePath("kat/programm"), folder.filePath("kat/verweis.pdf"));
    folder.write("anderswo/fremd.pdf", "%PDF-1.4\n%%EOF\n");
    return {folder.filePath("kat"), folder.filePath("anderswo")};
}

struct Case {
    const char* value; // "$K" stands for the catalogue folder
    bool link;         // a value that may be a link (infoTarget)
    bool opened;
};

const Case kCases[] = {
    // documents
    {"blatt.pdf", false, true},
    {"liesmich.txt", false, true},
    {"hilfe.html", false, true},
    {"bild.png", false, true},
    {"angebot.docx", false, true},
    {"$K/blatt.pdf", false, true},
    {"https://www.example.com/datenblatt.pdf", true, true},
    {"mailto:service@example.com", true, true},
    {"blatt.pdf", true, true},
    // programs, scripts, launchers, whatever they are called
    {"programm", false, false},
    {"tarnung.pdf", false, false},
    {"start.sh", false, false},
    {"skript.sh", false, false},
    {"notiz.txt", false, false},
    {"starter.desktop", false, false},
    {"verweis.pdf", false, false},
    {"makro.docm", false, false},
    {"file://$K/programm", true, false},
    {"file://$K/blatt.pdf", true, false},
    {"javascript:alert(1)", true, false},
    {"data:text/html,<script>alert(1)</script>", true, false},
    {"ftp://example.com/blatt.pdf", true, false},
    // names that leave their folder, do not exist or are no files
    {"../anderswo/fremd.pdf", false, false},
    {"unterordner/../../anderswo/fremd.pdf", true, false},
    {"blatt.pdf\n.desktop", false, false},
    {"fehlt.pdf", false, false},
    {"", false, false},
    {"$K", false, false},
    {"C:\\Daten\\blatt.pdf", true, false},
};

} // namespace

class DocumentPolicy : public FolderTest {};

TEST_F(DocumentPolicy, OpensDocumentsAndRefusesEverythingElseWithTheReason) {
    const Layout layout = makeFiles(folder);
    for (const Case& c : kCases) {
        const QString value = QString::fromUtf8(c.value).replace("$K", layout.catalogue);
        SCOPED_TRACE(value.toStdString());
        CRecordingUiServices ui;
        const DocumentSource source{"Katalog TEST, Datenblatt", layout.catalogue};
        const bool opened =
            c.link ? ui.OpenLinkWithDefaultHandler(value, source) : ui.OpenWithDefaultHandler(value, source);
        EXPECT_EQ(opened, c.opened);
        ASSERT_EQ(ui.Shown().size(), 1);
        const auto& shown = ui.Shown().front();
        if (c.opened) {
            EXPECT_EQ(shown.kind, Kind::OpenDocument);
            continue;
        }
        EXPECT_EQ(shown.kind, Kind::MessageBox);
        EXPECT_EQ(shown.icon, UiIcon::Exclamation);
        EXPECT_TRUE(shown.text.contains(value)) << shown.text.toStdString();
        EXPECT_TRUE(shown.text.contains("Katalog TEST, Datenblatt"));
        EXPECT_GT(shown.text.split('\n').last().size(), 5) << "the reason is named";
    }
}

TEST_F(DocumentPolicy, OpensTheFileALinkPointsToAndLogsRefusals) {
    const Layout layout = makeFiles(folder);
    QFile::link(layout.catalogue + "/blatt.pdf", layout.catalogue + "/kurz.pdf");
    CRecordingUiServices ui;
    EXPECT_TRUE(ui.OpenWithDefaultHandler("kurz.pdf", {"Test", layout.catalogue}));
    EXPECT_EQ(ui.Shown().front().text, QFileInfo(layout.catalogue + "/blatt.pdf").canonicalFilePath());

    static QStringList logged;
    logged.clear();
    const auto previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& text) {
            if (QByteArray(context.category) == "orvane.documents")
                logged << text;
        });
    ui.OpenWithDefaultHandler("programm", {"Test", layout.catalogue});
    qInstallMessageHandler(previous);
    ASSERT_EQ(logged.size(), 1);
    EXPECT_TRUE(logged.front().contains("programm"));
}

TEST_F(DocumentPolicy, HelpDocumentsAreTextOfBoundedSize) {
    const Layout layout = makeFiles(folder);
    folder.write("kat/gross.html", QByteArray(2000, 'x'));
    folder.write("kat/binaer.txt", QByteArray("Text\0mit Null", 13));
    const DocumentSource source{"Symbol", layout.catalogue};
    QString reason;
    EXPECT_EQ(ReadHelpDocument(layout.catalogue + "/hilfe.html", source, &reason, 1000),
              "<html><body><p>Hilfe</p></body></html>");
    for (const char* refused : {"gross.html", "binaer.txt", "blatt.pdf", "programm", "fehlt.html"}) {
        reason.clear();
        EXPECT_TRUE(ReadHelpDocument(layout.catalogue + "/" + refused, source, &reason, 1000).isEmpty())
            << refused;
        EXPECT_FALSE(reason.isEmpty()) << refused;
    }
}
