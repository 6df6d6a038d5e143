#include "corekit/registry.h"
#include "corekit/translation.h"
#include "corekit/widgets/dialog_ext.h"
#include "corekit/widgets/qt_ui_services.h"

#include "process_choices.h"
#include "test_folder.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using orvane::test::FolderTest;

namespace {
const QString kKey = QStringLiteral("Orvane\\OrvanePlanungUI20\\Dialogs");
}

class DialogPositionTest : public FolderTest {
protected:
    QRect screen() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST_F(DialogPositionTest, APositionStoredOnHidingIsRestoredByTheNextDialog) {
    const QPoint where = screen().topLeft() + QPoint(40, 30);
    {
        CDialogExt first(3078);
        first.SetRegistryPath(kKey, "DlgTest_WndPos");
        EXPECT_FALSE(first.RestorePosition(1, -1, -1));
        first.resize(320, 210);
        first.move(where);
        first.show();
        first.hide();
    }
    QString stored;
    ASSERT_EQ(RegQueryValueW(HKEY_CURRENT_USER, kKey, "DlgTest_WndPos", stored), 1);

    CDialogExt withSize(3078);
    withSize.SetRegistryPath(kKey, "DlgTest_WndPos");
    withSize.resize(100, 100);
    EXPECT_TRUE(withSize.RestorePosition(1, -1, -1));
    EXPECT_EQ(withSize.pos(), where);
    EXPECT_EQ(withSize.size(), QSize(320, 210));

    CDialogExt positionOnly(3078);
    positionOnly.SetRegistryPath(kKey, "DlgTest_WndPos");
    positionOnly.resize(150, 120);
    EXPECT_TRUE(positionOnly.RestorePosition(0, -1, -1));
    EXPECT_EQ(positionOnly.pos(), where);
    EXPECT_EQ(positionOnly.size(), QSize(150, 120));
}

TEST_F(DialogPositionTest, ABrokenStoredValueFallsBackToTheGivenPlace) {
    RegSetValueW(HKEY_CURRENT_USER, kKey, "Broken_WndPos", QStringLiteral("12,nonsense"));
    CDialogExt dialog(1);
    dialog.SetRegistryPath(kKey, "Broken_WndPos");
    const QPoint fallback = screen().topLeft() + QPoint(7, 9);
    EXPECT_FALSE(dialog.RestorePosition(1, fallback.x(), fallback.y()));
    EXPECT_EQ(dialog.pos(), fallback);
}

TEST(DialogControls, ControlsByNumberAndTheModifiedFlag) {
    CDialogExt dialog(5);
    auto* check = new QCheckBox("Punkt", &dialog);
    auto* label = new QLabel("x", &dialog);
    dialog.SetControl(2000, check);
    dialog.SetControl(1541, label);
    EXPECT_EQ(dialog.GetDlgItem(2000), check);
    EXPECT_EQ(dialog.GetDlgItem(9999), nullptr);
    dialog.EnableControl(2000, false);
    EXPECT_FALSE(check->isEnabled());
    dialog.ShowControl(9999, false); // unknown numbers are ignored
    dialog.show();
    dialog.ShowControl(2000, false);
    EXPECT_FALSE(check->isVisible());
    dialog.SetControlToolTip(2000, "Objektfang");
    EXPECT_EQ(check->toolTip(), "Objektfang");

    label->setText("Ein recht langer Text, der nicht hineinpasst");
    label->resize(10, label->height());
    dialog.AdjustControlWidths({1541, 9999});
    EXPECT_GE(label->width(), label->sizeHint().width());

    EXPECT_FALSE(dialog.IsModified());
    dialog.SetModified();
    EXPECT_TRUE(dialog.IsModified());

    CModelessDialog modeless(3077);
    EXPECT_TRUE(modeless.Create());
    EXPECT_FALSE(modeless.isModal());
}

namespace {

using orvane::test::LanguageScope;

struct SampleDialog {
    CDialogExt dialog{3078};
    QCheckBox* snap = new QCheckBox(QStringLiteral("@Objektfang@Nächster"), &dialog);
    QGroupBox* group = new QGroupBox(QStringLiteral("Einfügen"), &dialog);
    QPushButton* button = new QPushButton(QStringLiteral("Abbrechen"), &dialog);
    QLabel* empty = new QLabel(&dialog);
    SampleDialog() {
        dialog.setWindowTitle(QStringLiteral("Symboleigenschaften"));
        button->setToolTip(QStringLiteral("Schließt ohne zu speichern"));
    }
};

} // namespace

TEST(DialogTexts, GermanDialogsKeepTheirTextsAndLoseContextPrefixes) {
    LanguageScope german("de");
    SampleDialog sample;
    CTranslationModule* module = CTranslationManager::GetInstance().AddModule("WidgetTest");
    EXPECT_EQ(DialogEx::OnInitDialog(&sample.dialog, 0x0BF00000, module), 5);
    EXPECT_EQ(sample.snap->text(), QStringLiteral("Nächster"));
    EXPECT_EQ(sample.group->title(), QStringLiteral("Einfügen"));
    EXPECT_EQ(sample.empty->text(), "");
}

TEST(DialogTexts, EnglishTextsComeFromTheCompiledTranslationAndCanBeRedone) {
    SampleDialog sample;
    {
        LanguageScope english("en");
        CTranslationModule* module = CTranslationManager::GetInstance().AddModule("WidgetTest");
        DialogEx::OnInitDialog(&sample.dialog, 0, module);
        EXPECT_EQ(sample.dialog.windowTitle(), "Symbol properties");
        EXPECT_EQ(sample.snap->text(), "Nearest");
        EXPECT_EQ(sample.button->text(), "Cancel");
        EXPECT_EQ(sample.button->toolTip(), "Closes without saving");
        EXPECT_EQ(sample.group->title(), QStringLiteral("Einfügen")) << "no translation: stays German";
    }
    // Back in German, translating again starts from the German texts.
    DialogEx::OnInitDialog(&sample.dialog, 0, CTranslationManager::GetInstance().FindModule("WidgetTest"));
    EXPECT_EQ(sample.dialog.windowTitle(), "Symboleigenschaften");
    EXPECT_EQ(sample.snap->text(), QStringLiteral("Nächster"));
}

TEST(QtUiServices, MessageBoxAnswersWithTheButtonClicked) {
    CQtUiServices services;
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Datei überschreiben?");
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(services.MessageBox("Datei überschreiben?", "Frage", UiButtons::YesNo, UiIcon::Question),
              IDYES);

    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(services.MessageBox("Noch einmal?", "Frage", UiButtons::YesNo, UiIcon::Question), IDNO);
}

TEST(QtUiServices, InputBoxGivesTheTextOrKeepsTheValueOnCancel) {
    CQtUiServices services;
    QTimer::singleShot(0, [] {
        auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->textValue(), "Seite 1");
        input->setTextValue("Pumpen");
        input->accept();
    });
    QString value = "Seite 1";
    EXPECT_TRUE(services.InputBox("Seitentitel", "Titel:", value));
    EXPECT_EQ(value, "Pumpen");

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_FALSE(services.InputBox("Seitentitel", "Titel:", value));
    EXPECT_EQ(value, "Pumpen");
}
