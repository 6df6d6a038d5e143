#include "symbols_window_fixture.h"

#include "symbolui/dlg_symbol_properties.h"
#include "symbolui/symbol_properties_rules.h"

#include "corekit/ui_recorder.h"
#include "corekit/vars_mgr.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

#include <functional>

namespace {

using namespace SymbolProperties;
using orvane::test::SymbolsWindowTest;

class PropertiesTest : public SymbolsWindowTest {
protected:
    // Acts on the properties dialog once it runs modally (the right click waits for it).
    static void whenShown(std::function<void(CDlgSymbolProperties&)> act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<CDlgSymbolProperties*>(QApplication::activeModalWidget());
            if (!dialog)
                return whenShown(act);
            act(*dialog);
        });
    }
    static void rightClick(CDlgSymbols& window, int index) {
        emit window.SymbolButtons()[std::size_t(index)]->customContextMenuRequested({1, 1});
    }
    // A dialog on the first symbol of a file, filled but not shown.
    std::unique_ptr<CDlgSymbolProperties> dialogOn(CSymbolFile* file) {
        auto dialog = std::make_unique<CDlgSymbolProperties>(nullptr, &manager);
        dialog->SetData(file, file->m_pRoot->FindChild("Pages")->GetFirstChild()->GetFirstChild());
        dialog->OnInitDialog();
        return dialog;
    }
    // The one file the host's list names (supplied or own), collected afresh; null if not one.
    CSymbolFile* listedFile(const QString& supplied, const QString& own) {
        manager.CollectFiles();
        std::vector<CSymbolFile*> files;
        manager.GetListedFiles(supplied, own, files);
        EXPECT_EQ(files.size(), 1u);
        return files.size() == 1 ? files[0] : nullptr;
    }
    const QString ownFile = "User-Standards/Symbol Toolbars/User/u.inf";
    const QString suppliedFile = "Support/Symbol Toolbars/Heizung/a.inf";
};

TEST_F(PropertiesTest, RightClickEditsChoosesASlideAndSavesTheOwnFile) {
    writeLibrary({"Heizung|Symbol { BlockName = \"HZ_V\" }"},
                 {"Eigene|Symbol { BlockName = \"Pumpe\" DisplayName = \"alt\" Osnap = \"515\" }"});
    CRecordingUiServices ui;
    const QString slides = folder.filePath("User-Standards/Symbol Toolbars/User/Slides/");
    ui.QueueOpenFile(slides + QStringLiteral("Neu.sld"));
    auto window = openWindow();
    selectPage(*window, 1);
    whenShown([](CDlgSymbolProperties& d) {
        EXPECT_EQ(d.Edit(IDC_SLIDENAME)->text(), "Pumpe") << "the block name stands in";
        EXPECT_TRUE(d.Check(IDC_OSNAP_NEAREST)->isChecked() && d.Check(IDC_OSNAP_MID)->isChecked() &&
                    d.Check(IDC_OSNAP_END)->isChecked() && !d.Check(IDC_OSNAP_CURRENT)->isChecked());
        d.Button(IDC_BROWSE_SLIDE)->click();
        d.Edit(IDC_DISPLAYNAME)->setText("Umwälzpumpe");
        d.accept();
    });
    rightClick(*window, 0);
    ASSERT_EQ(ui.Shown().size(), 1);
    EXPECT_EQ(ui.Shown()[0].kind, CRecordingUiServices::Kind::OpenFile);
    EXPECT_EQ(ui.Shown()[0].value, slides + QStringLiteral("Pumpe.sld"));
    EXPECT_TRUE(QDir(slides).exists()) << "the offered folder is made";
    EXPECT_EQ(DlgSymbols::GetSymbolButton(), window->SymbolButtons()[0]);

    const QByteArray saved = folder.read(ownFile);
    EXPECT_TRUE(saved.contains("Umwälzpumpe")) << saved.constData();
    EXPECT_TRUE(saved.contains("SlideName = \"Neu\"")) << saved.constData();
    EXPECT_EQ(window->SymbolButtons()[0]->toolTip(), "Umwälzpumpe") << "the page was refilled";
}

TEST_F(PropertiesTest, CheckBoxesExcludeAndEnableEachOther) {
    writeLibrary({}, {"Eigene|Symbol { BlockName = \"P\" Explode = \"1\" AdjustLayer = \"1\" }"});
    CSymbolFile* file = listedFile({}, "User\\u.inf");
    ASSERT_TRUE(file);
    auto d = dialogOn(file);
    EXPECT_FALSE(d->IsModifiedByUser());
    d->Check(IDC_USE_SYMBOL_FACTOR)->click();
    d->Check(IDC_ASK_SIZE)->click();
    EXPECT_FALSE(d->Check(IDC_USE_SYMBOL_FACTOR)->isChecked());
    d->Check(IDC_EXPLODE)->click();
    EXPECT_FALSE(d->Check(IDC_ADJUST_LAYER)->isEnabled());
    EXPECT_TRUE(d->Check(IDC_ADJUST_LAYER)->isChecked()) << "its state stays and is stored";
    d->Check(IDC_OSNAP_END)->click();
    EXPECT_FALSE(d->Check(IDC_OSNAP_CURRENT)->isChecked());
    d->Check(IDC_OSNAP_CURRENT)->click();
    EXPECT_FALSE(d->Check(IDC_OSNAP_END)->isChecked());
    EXPECT_TRUE(d->Edit(IDC_SECOND_BLOCK)->isReadOnly()) << "no block pair";
    d->Check(IDC_USE_BLOCK_PAIR)->click();
    EXPECT_FALSE(d->Edit(IDC_SECOND_BLOCK)->isReadOnly());
    EXPECT_TRUE(d->IsModifiedByUser());
}

TEST_F(PropertiesTest, OverrideEditsAndRevitLockTheirControls) {
    writeLibrary({"Heizung|Symbol { BlockName = \"HZ_V\" }"}, {});
    CSymbolFile* file = listedFile("Heizung\\a.inf", {});
    ASSERT_TRUE(file);
    auto supplied = dialogOn(file);
    EXPECT_TRUE(supplied->Edit(IDC_BLOCKNAME)->isReadOnly());
    EXPECT_FALSE(supplied->Button(IDC_CREATE_BLOCK)->isEnabled());
    EXPECT_FALSE(supplied->Edit(IDC_DISPLAYNAME)->isReadOnly());
    EXPECT_TRUE(supplied->Check(IDC_USE_MEDIUM)->isEnabled());

    host.variables.insert("Q3DB_MASTERMODE", "1");
    theApp.m_isRevit = 1;
    auto revit = dialogOn(file);
    EXPECT_FALSE(revit->Edit(IDC_BLOCKNAME)->isReadOnly()) << "master mode edits the file itself";
    EXPECT_TRUE(revit->Button(IDC_BROWSE_BLOCK)->isEnabled());
    EXPECT_FALSE(revit->Button(IDC_CREATE_SLIDE)->isEnabled());
    EXPECT_TRUE(revit->Edit(IDC_COMMAND)->isReadOnly());
}

TEST_F(PropertiesTest, CreateBlockAsksSetsTheHostVariablesAndPastesTheCommand) {
    writeLibrary({}, {"Eigene|Symbol { BlockName = \"Pumpe\" }"});
    folder.write("User-Standards/Symbol Toolbars/User/Symbols/Pumpe.dwg", "x");
    folder.write("User-Standards/Symbol Toolbars/User/Slides/Pumpe.sld", "x");
    CSymbolFile* file = listedFile({}, "User\\u.inf");
    ASSERT_TRUE(file);
    CRecordingUiServices ui;
    auto d = dialogOn(file);

    d->Edit(IDC_BLOCKNAME)->clear();
    d->OnCreateBlock();
    ASSERT_EQ(ui.Shown().size(), 1);
    EXPECT_EQ(ui.Shown()[0].text, "Geben Sie bitte einen Blocknamen ein.");
    d->Edit(IDC_BLOCKNAME)->setText("Pumpe");
    ui.QueueAnswer(IDNO);
    d->OnCreateBlock();
    EXPECT_EQ(ui.Shown().last().text, "Zeichnung ist schon vorhanden. Überschreiben?");
    EXPECT_TRUE(pasted().empty()) << "No keeps the dialog and changes nothing";

    ui.QueueAnswer(IDYES);
    d->OnCreateBlock();
    EXPECT_EQ(d->result(), QDialog::Accepted);
    QString block, slide;
    COrvaneVarsMgr::GetInstance().get("SYMBOLS_BLOCKFILE", block, eVarSaveSettings);
    COrvaneVarsMgr::GetInstance().get("SYMBOLS_SLIDEFILE", slide, eVarSaveSettings);
    EXPECT_EQ(block, folder.filePath("User-Standards/Symbol Toolbars/User/Symbols/Pumpe.dwg"));
    EXPECT_EQ(slide, QString()) << "an existing slide is not overwritten";
    EXPECT_EQ(QStringList(pasted().begin(), pasted().end()), QStringList{"CreateSymbolBlock\r"});
}

TEST_F(PropertiesTest, AFailedSaveIsReportedAndLeavesTheFilesAsTheyWere) {
    supplied("Heizung/a.inf", pages({"Heizung|Symbol { BlockName = \"HZ_V\" DisplayName = \"alt\" }"}));
    // The user settings cannot be made: a file stands where the user's folder would be.
    folder.write("User-Standards/Symbol Toolbars", "x");
    const QByteArray before = folder.read(suppliedFile);
    CRecordingUiServices ui;
    auto window = openWindow();
    whenShown([](CDlgSymbolProperties& d) {
        d.Edit(IDC_DISPLAYNAME)->setText("neu");
        d.accept();
    });
    rightClick(*window, 0);
    ASSERT_EQ(ui.MessageCount(), 1);
    EXPECT_EQ(ui.Shown().last().text, "Änderungen konnten nicht gespeichert werden.");
    EXPECT_EQ(ui.Shown().last().icon, UiIcon::Exclamation);
    EXPECT_EQ(folder.read(suppliedFile), before);
    EXPECT_EQ(folder.read("User-Standards/Symbol Toolbars"), "x");
}

} // namespace

#include "image_compare.h"

namespace {

// At its smallest (a window opened on a small screen gets no more) the name fields still show a
// usual block name, instead of being what gives way to the buttons beside them.
TEST_F(PropertiesTest, AtItsSmallestTheNameFieldsStillShowAName) {
    writeLibrary({}, {"Eigene|Symbol { BlockName = \"EIGEN_LEGENDE\" }"});
    CSymbolFile* file = listedFile({}, "User\\u.inf");
    ASSERT_TRUE(file);
    auto d = dialogOn(file);
    d->show();
    d->resize(d->minimumSizeHint());
    QCoreApplication::processEvents();
    for (int id : {IDC_BLOCKNAME, IDC_ATTRIBUTE1, IDC_SLIDENAME}) {
        QWidget* field = d->Edit(id);
        EXPECT_GE(field->width(), field->fontMetrics().horizontalAdvance(QStringLiteral("EIGEN_LEGENDE")))
            << id;
    }
}

TEST_F(PropertiesTest, ReferenceScreenshotOfTheDialog) {
    writeLibrary({},
                 {"Eigene|Symbol { BlockName = \"Pumpe\" DisplayName = \"Umwälzpumpe\" Text = \"Mit Motor\" "
                  "AskRotation = \"1\" Explode = \"1\" Osnap = \"3\" Command = \"VORHER\" }"});
    CSymbolFile* file = listedFile({}, "User\\u.inf");
    ASSERT_TRUE(file);
    auto d = dialogOn(file);
    d->resize(520, d->sizeHint().height());
    QImage image(d->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    d->render(&image);
    EXPECT_TRUE(orvane::test::MatchesReference(image, "symbolui/symbol_properties"));
}

} // namespace
