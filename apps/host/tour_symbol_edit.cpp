// The tour's steps that change the symbol library: a symbol's properties edited in its file, and
// a slide and a block made of the canvas selection through the properties dialog.
#include "tour.h"

#include "drawing_file.h"
#include "drawing_view.h"
#include "host_window.h"
#include "module_bridge.h"
#include "tour_support.h"

#include "corekit/node.h"
#include "corekit/text_utils.h"
#include "corekit/tree_items.h"
#include "slides/slide.h"
#include "slides/symbol_button.h"
#include "symbolui/symbol_properties_rules.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using namespace TourSupport;
using namespace SymbolProperties;

namespace {

constexpr int kPagesList = 1970;
// The planner's own symbols in the installation: edited in their file, not as overrides.
const QString kOwnPage = QStringLiteral("Meine Symbole");

// The shown symbol button whose preview is the slide `name`.sld.
CSymbolButton* ButtonOf(QWidget* window, const QString& name) {
    for (CSymbolButton* button : window->findChildren<CSymbolButton*>())
        if (button->isVisible() &&
            QFileInfo(button->SlideFile()).completeBaseName().compare(name, Qt::CaseInsensitive) == 0)
            return button;
    return nullptr;
}

// The value of `key` of the symbol of `block` as its file on disk holds it.
QString ValueInFile(const QString& path, const QString& block, const QString& key) {
    CNode* read = nullptr;
    if (!TreeItems::ReadFromFile(path, read))
        return QString();
    const std::unique_ptr<CNode> root(read);
    std::function<const CNode*(const CNode&)> find = [&](const CNode& node) -> const CNode* {
        if (node.GetName() == u"Symbol" &&
            node.GetStrLeafValue(QString(), QStringLiteral("BlockName")) == block)
            return &node;
        for (const auto& child : node.Children())
            if (const CNode* found = find(*child))
                return found;
        return nullptr;
    };
    const CNode* symbol = find(*root);
    return symbol ? symbol->GetStrLeafValue(QString(), key) : QString();
}

void PressOk(QWidget* dialog) {
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    if (buttons && buttons->button(QDialogButtonBox::Ok))
        buttons->button(QDialogButtonBox::Ok)->click();
    else
        dialog->close();
}

// The slide's lines: pairs of a point with a colour after another point.
int LinesOf(const QString& path) {
    CSlide slide;
    if (!QFileInfo(path).isFile() || !slide.Load(QString(), path))
        return 0;
    int lines = 0;
    for (std::size_t i = 1; i < slide.Points().size(); ++i)
        lines += slide.Points()[i].color > 0 ? 1 : 0;
    return lines;
}

} // namespace

QString Tour::EditSymbol(const QString& page, const QString& symbol,
                         const std::function<void(QWidget*)>& edit) {
    QWidget* window = m_window.SymbolsWindow();
    auto* pages = DialogControl<QComboBox>(window, kPagesList);
    const int index = pages ? pages->findText(page) : -1;
    if (index < 0)
        return QStringLiteral("the symbols window has no page ") + page;
    if (pages->currentIndex() != index) {
        pages->setCurrentIndex(index);
        Q_EMIT pages->activated(index);
    }
    CSymbolButton* button = nullptr;
    if (!WaitFor([&] { return (button = ButtonOf(window, symbol)) != nullptr; }, 2000))
        return sformat("the page %s shows no symbol %s", page, symbol);
    bool shown = false;
    auto done = std::make_shared<bool>(false);
    WhenModalOpens(
        [&](QWidget* modal) {
            shown = true;
            Settle();
            edit(modal);
        },
        done);
    Q_EMIT button->customContextMenuRequested(QPoint(4, 4));
    *done = true;
    Settle();
    return Expect(shown, QStringLiteral("a right click opened no properties dialog"));
}

void Tour::StepsSymbolEdit() {
    QWidget* window = m_window.SymbolsWindow();
    const QString block = QStringLiteral("EIGEN_LEGENDE");
    Step(QStringLiteral("symbol-properties"), [&]() -> QString {
        const QString name = QStringLiteral("Legendenfeld der Tour");
        const QString why = EditSymbol(kOwnPage, block, [&](QWidget* dialog) {
            if (auto* field = DialogControl<QLineEdit>(dialog, IDC_DISPLAYNAME))
                field->setText(name);
            SaveShot(dialog, QStringLiteral("dialog"));
            PressOk(dialog);
        });
        if (!why.isEmpty())
            return why;
        // Stored in the symbol's own file, read back from the disk, and shown by the window.
        const QString file = ModuleBridge::SymbolFilePath(block);
        const QString stored = ValueInFile(file, block, QStringLiteral("DisplayName"));
        m_found = QFileInfo(file).fileName() + QStringLiteral(": DisplayName = ") + stored;
        if (stored != name)
            return QStringLiteral("the symbol file does not hold the new name");
        CSymbolButton* button = ButtonOf(window, block);
        return Expect(button && button->accessibleName() == name,
                      QStringLiteral("the symbols window does not show the new name"));
    });
    StepsSymbolCreation();
}

void Tour::StepsSymbolCreation() {
    QWidget* window = m_window.SymbolsWindow();
    Drawing& drawing = m_window.GetDrawing();
    // The canvas items of blocks starting with `prefix`, selected, and the lines their slides hold.
    const auto select = [&](const QString& prefix, int& lines) {
        QList<int> ids;
        lines = 0;
        for (const auto& [id, item] : drawing.Items())
            if (item.blockName.startsWith(prefix)) {
                ids << id;
                const int own = LinesOf(item.slideFile);
                lines += own > 0 ? own : 6; // a crossed box
            }
        m_window.View()->SelectIds(ids);
        return ids;
    };
    const QString folder =
        QFileInfo(ModuleBridge::SymbolFilePath(QStringLiteral("EIGEN_VERTEILER"))).absolutePath();
    Step(QStringLiteral("create-symbol-slide"), [&]() -> QString {
        int lines = 0;
        const QList<int> ids = select(QStringLiteral("HZ_FBH_VERTEILER"), lines);
        const QString why = EditSymbol(kOwnPage, QStringLiteral("EIGEN_VERTEILER"), [&](QWidget* dialog) {
            SaveShot(dialog, QStringLiteral("dialog"));
            if (QAbstractButton* create = DialogButton(dialog, IDC_CREATE_SLIDE))
                create->click();
            else
                dialog->close();
        });
        if (!why.isEmpty())
            return why;
        const QString slide = folder + QStringLiteral("/Slides/EIGEN_VERTEILER.sld");
        m_found = sformat("EIGEN_VERTEILER.sld: %d lines of %d items", LinesOf(slide), int(ids.size()));
        if (ids.isEmpty() || LinesOf(slide) != lines)
            return sformat("the slide holds %d lines, the selection %d", LinesOf(slide), lines);
        // The window sees the file change and draws the new slide.
        CSlide written;
        written.Load(QString(), slide);
        return Expect(WaitFor(
                          [&] {
                              CSymbolButton* button = ButtonOf(window, QStringLiteral("EIGEN_VERTEILER"));
                              return button && button->Slide().Points() == written.Points();
                          },
                          5000),
                      QStringLiteral("the symbols window does not show the new slide"));
    });
    const QString created = QStringLiteral("EIGEN_GRUPPE");
    Step(QStringLiteral("create-symbol-block"), [&]() -> QString {
        int lines = 0;
        const QList<int> ids = select(QStringLiteral("HZ_"), lines);
        const QString why = EditSymbol(kOwnPage, QStringLiteral("EIGEN_LEGENDE"), [&](QWidget* dialog) {
            for (const int field : {IDC_BLOCKNAME, IDC_SLIDENAME})
                if (auto* edit = DialogControl<QLineEdit>(dialog, field))
                    edit->setText(created);
            SaveShot(dialog, QStringLiteral("dialog"));
            if (QAbstractButton* create = DialogButton(dialog, IDC_CREATE_BLOCK))
                create->click();
            else
                dialog->close();
        });
        if (!why.isEmpty())
            return why;
        Drawing block;
        QString error;
        if (!DrawingFile::Open(block, folder + QStringLiteral("/Symbols/") + created + QStringLiteral(".dwg"),
                               &error))
            return QStringLiteral("no block file: ") + error;
        const QString slide = folder + QStringLiteral("/Slides/") + created + QStringLiteral(".sld");
        m_found = sformat("%s.dwg: %d items, %s.sld: %d lines", created, int(block.Items().size()), created,
                          LinesOf(slide));
        if (ids.isEmpty() || int(block.Items().size()) != ids.size() || LinesOf(slide) != lines)
            return QStringLiteral("the block or its slide is not the selection");
        return Expect(ButtonOf(window, created) != nullptr,
                      QStringLiteral("the symbols window does not show the block"));
    });
    Step(QStringLiteral("insert-created-symbol"), [&]() -> QString {
        CSymbolButton* button = ButtonOf(window, created);
        if (!button)
            return QStringLiteral("no button of the created symbol");
        button->click();
        Settle();
        const QList<int> ids =
            m_window.View()->IsPlacing() ? m_window.View()->PlaceAt({300, 300}) : QList<int>();
        const DrawingItem* placed = ids.isEmpty() ? nullptr : drawing.Item(ids.first());
        m_window.View()->centerOn(150, 150);
        return Expect(placed && placed->blockName == created &&
                          QFileInfo(placed->slideFile).completeBaseName() == created,
                      QStringLiteral("the created symbol was not placed with its slide"));
    });
}
