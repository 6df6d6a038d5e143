#include "../symbols/fake_symbols_host.h"
#include "image_compare.h"
#include "test_folder.h"

#include "symbolui/dlg_symbol_toolbar.h"

#include "symbols/symbol_file_manager.h"
#include "symbols/symbol_library_context.h"

#include "shellui/desktop_design.h"

#include <QComboBox>
#include <QImage>
#include <QPainter>

namespace orvane::test {
namespace {

// The heating toolbar of the sample installation, as a planner sees it.
class ToolbarScreenshot : public FolderTest, public testing::WithParamInterface<qreal> {
protected:
    ToolbarScreenshot() {
        const QString base = sampleInstallationPath();
        host.variables.insert("SYMBOLE_PATH", base);
        host.catalogs.insert("ORV_SYMBOLLEISTEN", base + QStringLiteral("/Support/Symbol Toolbars"));
    }

    // The toolbar at a fixed size on the page of that title, unstretched.
    std::unique_ptr<CDlgSymbolToolbar> open(const QString& page) {
        SymbolToolbarContext context;
        context.fileManager = &manager;
        context.designs = &designs;
        context.supportFolder = sampleInstallationPath("Support");
        auto toolbar = std::make_unique<CDlgSymbolToolbar>(context);
        toolbar->SetName("H");
        toolbar->SetRegistryPath("Orvane\\Test\\Dialogs\\DlgSymbolToolbar", "H_WndPos");
        toolbar->OnInitDialog();
        toolbar->resize(440, 210);
        toolbar->show();
        toolbar->LoadPages();
        toolbar->ToggleStretch();
        toolbar->SelectPage(toolbar->PagesList()->findText(page));
        return toolbar;
    }

    static QImage render(QWidget& window, qreal ratio) {
        QImage image(window.size() * ratio, QImage::Format_ARGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(window.palette().window().color());
        window.render(&image);
        return image;
    }

    static QString name(const char* base, qreal ratio) {
        return QStringLiteral("symbolui/%1%2")
            .arg(QString::fromUtf8(base), ratio == 1 ? QString() : QStringLiteral("_x2"));
    }

    FakeSymbolsHost host;
    const HostSymbolLibraryContext symbolContext{host};
    CSymbolFileManager manager{symbolContext};
    CDesktopDesignManager designs{sampleInstallationPath("Support/Designs")};
};

TEST_P(ToolbarScreenshot, PageOfButtonsInRows) {
    auto toolbar = open("Heizung Armaturen");
    ASSERT_EQ(toolbar->UsedButtonCount(), 8); // the placeholder takes no button when unstretched
    EXPECT_TRUE(MatchesReference(render(*toolbar, GetParam()), name("toolbar_rows", GetParam())));
}

TEST_P(ToolbarScreenshot, FixedLayoutOverItsBackgroundSlide) {
    auto toolbar = open("Heizkreis");
    ASSERT_TRUE(toolbar->Background());
    EXPECT_TRUE(MatchesReference(render(*toolbar, GetParam()), name("toolbar_fixed", GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Scales, ToolbarScreenshot, testing::Values(1.0, 2.0));

} // namespace
} // namespace orvane::test
