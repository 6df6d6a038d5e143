#include "corekit/widgets/help_document.h"
#include "test_folder.h"

#include <QImage>

#include <gtest/gtest.h>

using orvane::test::FolderTest;

class HelpDocument : public FolderTest {};

TEST_F(HelpDocument, ShowsLocalImagesOnlyAndNeitherScriptsNorLinks) {
    QImage(4, 4, QImage::Format_RGB32).save(folder.filePath("hilfe/ventil.png"));
    folder.write("geheim.png", "");
    QImage(4, 4, QImage::Format_RGB32).save(folder.filePath("geheim.png"));
    const QString page = folder.write("hilfe/ventil.html", R"(<html><body>
        <p>Ventil <b>DN 20</b></p>
        <img src="ventil.png">
        <img src="https://tracker.example.com/pixel.png">
        <img src="../geheim.png">
        <img src="file:///dev/zero">
        <script>document.write('ausgeführt')</script>
        <a href="https://example.com/">Hersteller</a>
        </body></html>)");

    QString reason;
    const QString html = SafeHelpHtml(page, {"Symbol VENTIL", folder.filePath("hilfe")}, &reason);
    ASSERT_FALSE(html.isEmpty()) << reason.toStdString();
    EXPECT_TRUE(html.contains("DN 20"));
    EXPECT_TRUE(html.contains(
        QUrl::fromLocalFile(QFileInfo(folder.filePath("hilfe/ventil.png")).canonicalFilePath()).toString()));
    EXPECT_TRUE(html.contains("Hersteller")) << "the link text stays";
    for (const char* gone : {"tracker.example.com", "geheim.png", "/dev/zero", "ausgeführt", "href"})
        EXPECT_FALSE(html.contains(QString::fromUtf8(gone))) << gone;
}

TEST_F(HelpDocument, RefusesWhatIsNoHelpText) {
    const QString program = folder.write("hilfe/ventil.sh", "#!/bin/sh\nrm -rf /\n");
    QString reason;
    EXPECT_TRUE(SafeHelpHtml(program, {"Symbol VENTIL", folder.filePath("hilfe")}, &reason).isEmpty());
    EXPECT_FALSE(reason.isEmpty());
}
