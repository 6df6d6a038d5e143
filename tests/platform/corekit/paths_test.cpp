#include "corekit/find_files.h"
#include "corekit/paths.h"

#include "test_folder.h"

#include <QFile>

using orvane::test::FolderTest;

TEST(FilePath, PartsOfAPathWrittenWithBackslashes) {
    const CFilePath path("C:\\Daten\\Symbole\\Heizung\\pumpe.v2.DWG");
    EXPECT_EQ(path.GetPath(), "C:/Daten/Symbole/Heizung/pumpe.v2.DWG");
    EXPECT_EQ(path.GetFileName(), "pumpe.v2.DWG");
    EXPECT_EQ(path.GetShortFileName(), "pumpe.v2");
    EXPECT_EQ(path.GetFileExt(), "DWG");
    EXPECT_TRUE(path.IsFileExt("dwg"));
    EXPECT_TRUE(path.IsFileExt(".dwg"));
    EXPECT_FALSE(path.IsFileExt("dw"));
    EXPECT_TRUE(path.IsAbsolute());
    EXPECT_EQ(path.GetDirPath().GetPath(), "C:/Daten/Symbole/Heizung");
}

TEST(FilePath, ExtensionsBelongToTheLastPartOnly) {
    CFilePath path("Slides.d\\pumpe");
    EXPECT_EQ(path.GetFileExt(), "");
    path.SetFileExt("sld");
    EXPECT_EQ(path.GetPath(), "Slides.d/pumpe.sld");
    path.SetFileExt(".bmp");
    EXPECT_EQ(path.GetPath(), "Slides.d/pumpe.bmp");
    path.SetFileExt("");
    EXPECT_EQ(path.GetPath(), "Slides.d/pumpe");
    EXPECT_FALSE(path.IsAbsolute());
    EXPECT_EQ(CFilePath(".hidden").GetFileExt(), "");
    EXPECT_EQ(CFilePath(".hidden").GetShortFileName(), ".hidden");
    EXPECT_TRUE(CFilePath("/a/b").IsAbsolute());
}

TEST(FilePath, NormalizeRemovesDotsAndDoubledSeparators) {
    CFilePath path("Support\\\\Heizung\\..\\Sanitär\\.\\wc.inf");
    path.Normalize();
    EXPECT_EQ(path.GetPath(), QStringLiteral("Support/Sanitär/wc.inf"));
}

TEST(DirPath, NamesParentsAndAppending) {
    CDirPath dir("C:\\Programme\\Revit 2019\\");
    EXPECT_EQ(dir.GetPath(), "C:/Programme/Revit 2019");
    EXPECT_EQ(dir.GetDirName(), "Revit 2019");
    EXPECT_EQ(dir.GetParentDirPath().GetPath(), "C:/Programme");
    dir.AppendDir("\\Symbol Toolbars\\");
    EXPECT_EQ(dir.GetPath(), "C:/Programme/Revit 2019/Symbol Toolbars");
    EXPECT_TRUE(dir.IsEqual(CDirPath("C:/Programme/Revit 2019/x/../Symbol Toolbars/")));
    EXPECT_FALSE(dir.IsEqual(CDirPath("C:/Programme/revit 2019/Symbol Toolbars")));
    EXPECT_EQ(CDirPath("/").GetDirName(), "");
    EXPECT_EQ(CDirPath("/top").GetParentDirPath().GetPath(), "/");
}

TEST(PathJoin, OneSeparatorBetweenTheParts) {
    EXPECT_EQ(QString("a\\b\\") ^ QString("\\c\\d.inf"), "a/b/c/d.inf");
    EXPECT_EQ(QString("a") ^ QString("b"), "a/b");
    EXPECT_EQ(QString("") ^ QString("b"), "b");
    EXPECT_EQ(QString("a/") ^ QString(""), "a/");
    EXPECT_EQ(CDirPath("x\\y") ^ "Symbols\\Families\\", "x/y/Symbols/Families/");
}

TEST(CompleteFilePath, TakesRelativeFilesFromTheFolderAndAddsAMissingExtension) {
    EXPECT_EQ(CompleteFilePath("pumpe", "C:\\Daten\\Bmp", "bmp"), "C:/Daten/Bmp/pumpe.bmp");
    EXPECT_EQ(CompleteFilePath("2D\\pumpe.DWG", "/daten", "dwg"), "/daten/2D/pumpe.DWG");
    EXPECT_EQ(CompleteFilePath("/abs/pumpe", "/daten", "rfa"), "/abs/pumpe.rfa");
    EXPECT_EQ(CompleteFilePath("D:\\abs\\pumpe.rfa", "/daten", "rfa"), "D:/abs/pumpe.rfa");
}

TEST(CalcRelativePath, InsideAndBesideTheBase) {
    EXPECT_EQ(CalcRelativePath("/inst/Support/Slides/Heizung/pumpe.sld", "/inst/Support/Slides\\"),
              "Heizung/pumpe.sld");
    EXPECT_EQ(CalcRelativePath("\\inst\\Other\\x.sld", "/inst/Support"), "../Other/x.sld");
}

class PathFilesTest : public FolderTest {};

TEST_F(PathFilesTest, CreatesFoldersAndReadsFileTimes) {
    QString nested = folder.filePath("a\\b\\c");
    nested.replace(u'/', u'\\');
    EXPECT_TRUE(CreateDirectoryRecursive(nested));
    EXPECT_TRUE(CDirPath(folder.filePath("a/b/c")).Exists());
    EXPECT_TRUE(CreateDirectoryRecursive(nested)) << "an existing folder is fine";
    EXPECT_FALSE(CreateDirectoryRecursive(folder.write("file", "x") + "/sub"));

    EXPECT_FALSE(GetFileTime(folder.filePath("missing.inf")).isValid());
    const QString file = folder.write("a/t.inf", "x");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const QDateTime stamp = QDateTime::fromSecsSinceEpoch(1700000000);
    ASSERT_TRUE(f.setFileTime(stamp, QFileDevice::FileModificationTime));
    f.close();
    QString windowsStyle = file;
    windowsStyle.replace(u'/', u'\\');
    EXPECT_EQ(GetFileTime(windowsStyle), stamp);
}

TEST_F(PathFilesTest, FindFilesGivesSubfoldersOrFilesMatchingThePattern) {
    folder.write("Symbole/Heizung/a.inf", "");
    folder.write("Symbole/Heizung/b.INFX", "");
    folder.write("Symbole/Heizung/c.txt", "");
    folder.write("Symbole/Sanitär/x.inf", "");
    folder.write("Symbole/.hidden/y.inf", "");

    QStringList subfolders;
    CFindFiles dirs(folder.filePath("Symbole"), "*", 0);
    QString name;
    while (dirs.GetNext(name))
        subfolders << name;
    EXPECT_EQ(subfolders, QStringList({".hidden", "Heizung", QStringLiteral("Sanitär")}));

    QStringList files;
    CFindFiles infs(folder.filePath("Symbole\\Heizung\\"), "*.inf*", 1);
    while (infs.GetNext(name))
        files << name;
    EXPECT_EQ(files, QStringList({"a.inf", "b.INFX"})) << "patterns ignore case";

    CFindFiles none(folder.filePath("Nirgends"), "*", 1);
    EXPECT_EQ(none.GetNext(name), 0);
}
