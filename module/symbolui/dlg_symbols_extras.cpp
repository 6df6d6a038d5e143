// The symbols window's additions beyond the usual symbol browser: quick find, the keyboard
// flow over the symbol buttons and the live reload of changed files.

#include "dlg_symbols.h"

#include "symbolui/current_symbol.h"

#include "frame/app.h"
#include "slides/symbol_button.h"
#include "symbols/symbol_file.h"
#include "symbols/symbol_file_manager.h"

#include "corekit/node.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QTimer>

namespace {

// Changes arrive in bursts (an editor writes, renames and touches); one reload after the
// burst is enough and well inside the second the planner waits at most.
constexpr int kReloadDelayMs = 300;

QString reasonText(const CQuickFind::Hit& hit) {
    static const char* const kinds[] = {"ganzes Wort", "Wortanfang", "im Wort", "ein Tippfehler"};
    QString reason = ModuleText(kinds[int(hit.match)]);
    if (hit.field == CQuickFind::Field::BlockName)
        reason += QStringLiteral(", ") + ModuleText("Blockname");
    return reason;
}

} // namespace

void CDlgSymbols::CreateExtras() {
    m_quickFind = new QLineEdit(this);
    m_quickFind->setPlaceholderText(ModuleText("Schnellsuche"));
    m_quickFind->setAccessibleName(ModuleText("Schnellsuche"));
    m_quickFind->setClearButtonEnabled(true);
    m_quickFind->installEventFilter(this);
    connect(m_quickFind, &QLineEdit::textChanged, this, &CDlgSymbols::OnQuickFindChanged);
    connect(m_quickFind, &QLineEdit::returnPressed, this,
            [this] { InsertQuickFindHit(m_quickHits->currentRow() >= 0 ? m_quickHits->currentRow() : 0); });

    m_quickHits = new QListWidget(this);
    m_quickHits->setAccessibleName(ModuleText("Treffer der Schnellsuche"));
    m_quickHits->hide();
    connect(m_quickHits, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { InsertQuickFindHit(m_quickHits->row(item)); });

    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &CDlgSymbols::OnWatchedFileChanged);
    m_reloadTimer = new QTimer(this);
    m_reloadTimer->setSingleShot(true);
    m_reloadTimer->setInterval(kReloadDelayMs);
    connect(m_reloadTimer, &QTimer::timeout, this, &CDlgSymbols::ReloadChangedFiles);
    PlaceControls();
}

void CDlgSymbols::IndexQuickFind() {
    std::vector<CNode*> pages;
    for (int i = 0; i < m_cmbPages->count(); ++i)
        pages.push_back(static_cast<CNode*>(m_cmbPages->itemData(i).value<void*>()));
    m_quickIndex.Index(pages, m_context.rules.dataText);
    OnQuickFindChanged(m_quickFind->text());
}

void CDlgSymbols::OnQuickFindChanged(const QString& text) {
    m_hits = m_quickIndex.Find(text);
    m_quickHits->clear();
    for (const CQuickFind::Hit& hit : m_hits)
        m_quickHits->addItem(
            QStringLiteral("%1 — %2 (%3)").arg(hit.name, m_cmbPages->itemText(hit.page), reasonText(hit)));
    if (!m_hits.empty())
        m_quickHits->setCurrentRow(0);
    m_quickHits->setVisible(!text.trimmed().isEmpty());
    m_quickHits->raise();
}

bool CDlgSymbols::InsertQuickFindHit(int row) {
    if (row < 0 || std::size_t(row) >= m_hits.size())
        return false;
    const CQuickFind::Hit hit = m_hits[std::size_t(row)];
    if (hit.page != m_cmbPages->currentIndex()) {
        m_curPage = hit.page;
        m_cmbPages->setCurrentIndex(hit.page);
        UpdateFileIndex();
        FillPage();
    }
    for (std::size_t i = 0; i < m_placed.size() && i < m_buttons.size(); ++i) {
        if (m_buttonSymbols[i] == hit.symbol && !m_placed[i].hidden) {
            OnSymbolClicked(int(i));
            m_buttons[i]->setFocus();
            return true;
        }
    }
    return false;
}

int CDlgSymbols::NeighbourButton(int index, int key) const {
    const QRect from = m_buttons[std::size_t(index)]->geometry();
    int best = -1;
    long bestScore = 0;
    for (std::size_t i = 0; i < m_placed.size() && i < m_buttons.size(); ++i) {
        if (int(i) == index || m_placed[i].hidden)
            continue;
        const QRect to = m_buttons[i]->geometry();
        long score = 0;
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            // The next button in reading order, wrapping into the neighbouring row.
            if ((key == Qt::Key_Right) != (int(i) > index))
                continue;
            score = std::abs(int(i) - index);
        } else {
            const bool below = to.top() > from.top();
            const bool above = to.top() < from.top();
            if ((key == Qt::Key_Down && !below) || (key == Qt::Key_Up && !above))
                continue;
            score =
                long(std::abs(to.top() - from.top())) * 10000 + std::abs(to.center().x() - from.center().x());
        }
        if (best < 0 || score < bestScore) {
            best = int(i);
            bestScore = score;
        }
    }
    return best;
}

bool CDlgSymbols::HandleButtonKey(int index, QKeyEvent* event) {
    const int key = event->key();
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int next = NeighbourButton(index, key);
        if (next >= 0)
            m_buttons[std::size_t(next)]->setFocus(Qt::TabFocusReason);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OnSymbolClicked(index);
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        OnStepPage(key == Qt::Key_PageDown);
        for (std::size_t i = 0; i < m_placed.size() && i < m_buttons.size(); ++i)
            if (!m_placed[i].hidden) {
                m_buttons[i]->setFocus(Qt::TabFocusReason);
                break;
            }
        return true;
    case Qt::Key_Menu:
        OnSymbolContextMenu(index);
        return true;
    case Qt::Key_F10:
        if (event->modifiers() & Qt::ShiftModifier) {
            OnSymbolContextMenu(index);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void CDlgSymbols::WatchFiles() {
    QStringList wanted;
    for (const CSymbolFile* file : m_files)
        wanted << file->m_path;
    for (std::size_t i = 0; i < m_placed.size() && i < m_buttons.size(); ++i)
        if (!m_placed[i].hidden && !m_buttons[i]->SlideFile().isEmpty())
            wanted << m_buttons[i]->SlideFile();
    const QSet<QString> keep(wanted.begin(), wanted.end());
    QStringList gone;
    for (const QString& path : m_watcher->files())
        if (!keep.contains(path))
            gone << path;
    if (!gone.isEmpty())
        m_watcher->removePaths(gone);
    QStringList added;
    const QStringList watched = m_watcher->files();
    for (const QString& path : keep)
        if (!watched.contains(path) && QFileInfo::exists(path))
            added << path;
    if (!added.isEmpty())
        m_watcher->addPaths(added);
}

void CDlgSymbols::OnWatchedFileChanged(const QString& path) {
    if (!m_changedFiles.contains(path))
        m_changedFiles << path;
    m_reloadTimer->start();
}

void CDlgSymbols::ReloadChangedFiles() {
    const QStringList changed = std::exchange(m_changedFiles, {});
    // The current symbol by its block name, taken before a reload replaces its tree.
    const bool ours =
        g_pCurSymbolFile && std::find(m_files.begin(), m_files.end(), g_pCurSymbolFile) != m_files.end();
    const QString block = ours && g_pCurSymbolNode
                              ? g_pCurSymbolNode->GetStrLeafValue(QString(), QStringLiteral("BlockName"))
                              : QString();
    const QString page = m_cmbPages->currentText();
    // Taken first: reading the first file anew lets go of m_files (ForgetFiles), and the
    // current symbol with it.
    std::vector<std::pair<QString, CSymbolFile*>> reload;
    for (const QString& path : changed) {
        const auto file = std::find_if(m_files.begin(), m_files.end(),
                                       [&](const CSymbolFile* f) { return f->m_path == path; });
        if (file != m_files.end())
            reload.emplace_back(path, (*file)->m_pParent);
    }
    for (const auto& [path, parent] : reload)
        m_context.manager->AddFile(path, parent);
    if (reload.empty()) {
        FillPage(); // only slides: the buttons read them again
        return;
    }
    LoadPages();
    const int index = m_cmbPages->findText(page);
    if (index >= 0 && index != m_cmbPages->currentIndex()) {
        m_curPage = index;
        m_cmbPages->setCurrentIndex(index);
        UpdateFileIndex();
        FillPage();
    }
    if (!ours || block.isEmpty())
        return;
    for (std::size_t i = 0; i < m_placed.size() && i < m_buttons.size(); ++i) {
        if (!m_placed[i].hidden && m_buttonSymbols[i] &&
            m_buttonSymbols[i]->GetStrLeafValue(QString(), QStringLiteral("BlockName")) == block) {
            SetCurrentSymbolButton(m_buttons[i]);
            SetCurrentSymbol(m_context.manager, CurrentSymbolFile(), m_buttonSymbols[i]);
            break;
        }
    }
}
