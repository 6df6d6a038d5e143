#include "symbol_toolbar_manager.h"

#include "symbolui/toolbar_screens.h"

#include "frame/app.h"
#include "frame/resource_scope.h"
#include "symbols/symbol_file_manager.h"
#include "symbols/symbol_toolbar_settings.h"
#include "symbols/symbols_host.h"

#include "corekit/registry.h"
#include "shellui/desktop_design.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>

#include <algorithm>
#include <memory>

namespace {

std::unique_ptr<CSymbolToolbarManager>& Instance() {
    static std::unique_ptr<CSymbolToolbarManager> instance;
    return instance;
}

// The host's main window, the parent of the toolbars; none outside a host with one.
QWidget* HostMainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(widget))
            return widget;
    return nullptr;
}

} // namespace

CSymbolToolbarManager* CSymbolToolbarManager::GetInstance() {
    auto& instance = Instance();
    if (!instance) {
        SymbolToolbarContext context;
        context.fileManager = CSymbolFileManager::GetInstance();
        context.host = &SymbolsHost::Get();
        context.isRevit = theApp.m_isRevit != 0;
        context.revitVersion = theApp.m_revitVersion;
        context.designs = CDesktopDesignManager::GetInstance();
        context.supportFolder = SymbolsHost::Get().DefaultFolder(6);
        instance = std::make_unique<CSymbolToolbarManager>(theApp.m_regPath, context, HostMainWindow());
        if (QCoreApplication* app = QCoreApplication::instance())
            QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] { DestroyInstance(); });
    }
    return instance.get();
}

void CSymbolToolbarManager::DestroyInstance() {
    Instance().reset();
}

CSymbolToolbarManager::CSymbolToolbarManager(const QString& moduleKey,
                                             const SymbolToolbarContext& toolbarContext, QWidget* hostWindow)
    : m_regKey(SymbolToolbarSettings::RegistryKey(moduleKey, toolbarContext.isRevit)),
      m_toolbarContext(toolbarContext), m_hostWindow(hostWindow) {
    m_toolbarContext.manager = this;
    RegCreateKeyW(HKEY_CURRENT_USER, m_regKey);
    m_toolbars.reserve(8);
}

CSymbolToolbarManager::~CSymbolToolbarManager() {
    // Windows cannot be destroyed once the application object is gone (a host that ends
    // without quitting its event loop); the process ends with them.
    if (!QCoreApplication::instance())
        return;
    for (CDlgSymbolToolbar* toolbar : m_toolbars) {
        toolbar->StorePosition();
        delete toolbar;
    }
}

QString CSymbolToolbarManager::Title(const QString& code) {
    auto it = m_titles.find(code);
    if (it == m_titles.end())
        it = m_titles.insert(code, ModuleText(SymbolToolbarSettings::TitleKey(code).toUtf8().constData()));
    return *it;
}

int CSymbolToolbarManager::OpenToolbar(const QString& code) {
    CModuleResourceScope scope;
    auto toolbar = std::make_unique<CDlgSymbolToolbar>(m_toolbarContext, m_hostWindow);
    toolbar->SetName(code);
    toolbar->SetRegistryPath(m_regKey, SymbolToolbarSettings::PositionValue(code));
    if (!toolbar->OnInitDialog())
        return 0;
    toolbar->RestorePosition(0, -1, -1);
    // A toolbar stored on a screen that is gone, or partly off every screen, comes back whole.
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    toolbar->move(BringOntoNearestScreen(QRect(toolbar->pos(), toolbar->size()), screens).topLeft());
    toolbar->setWindowTitle(Title(code));
    if (!toolbar->Create())
        return 0;
    SymbolToolbarSettings::SetShown(m_regKey, code, true);
    CDlgSymbolToolbar* opened = toolbar.release();
    if (std::find(m_toolbars.begin(), m_toolbars.end(), opened) == m_toolbars.end())
        m_toolbars.push_back(opened);
    return 1;
}

int CSymbolToolbarManager::OpenToolbarOfCommand(const QString& command) {
    const bool revit = m_toolbarContext.isRevit;
    const QString current =
        revit || !m_toolbarContext.host
            ? QString()
            : SymbolsHost::VariableText(*m_toolbarContext.host, QStringLiteral("CUR_GLOBAL_GEWERK_KZL"), 0);
    return OpenToolbar(SymbolToolbars::TradeOfCommand(command, revit, current));
}

void CSymbolToolbarManager::CloseToolbar(CDlgSymbolToolbar* toolbar) {
    if (!toolbar)
        return;
    const auto it = std::find(m_toolbars.begin(), m_toolbars.end(), toolbar);
    toolbar->hide();
    SymbolToolbarSettings::SetShown(m_regKey, toolbar->Name(), false);
    if (it == m_toolbars.end())
        return;
    m_toolbars.erase(it);
    // The planner's close runs inside the toolbar's own event handler.
    toolbar->deleteLater();
}

void CSymbolToolbarManager::ShowToolbars(int show) {
    for (CDlgSymbolToolbar* toolbar : m_toolbars)
        toolbar->setVisible(show != 0);
}

void CSymbolToolbarManager::StoreToolbars() {
    for (CDlgSymbolToolbar* toolbar : m_toolbars)
        SymbolToolbarSettings::SetShown(m_regKey, toolbar->Name(), true);
}

void CSymbolToolbarManager::RestoreToolbars() {
    if (!m_toolbars.empty()) {
        ShowToolbars(1);
        return;
    }
    for (const QString& code : SymbolToolbarSettings::CodesToRestore(m_regKey))
        OpenToolbar(code);
}

namespace SymbolToolbars {

QString TradeOfCommand(const QString& command, bool revit, const QString& currentTrade) {
    if (!revit)
        return currentTrade;
    return command.isEmpty() ? QString() : command.right(1);
}

void OnOpenToolbar(const QString& command) {
    CSymbolToolbarManager::GetInstance()->OpenToolbarOfCommand(command);
}

void OnOpenUserToolbar(const QString&) {
    CSymbolToolbarManager::GetInstance()->OpenToolbar(QStringLiteral("USER"));
}

} // namespace SymbolToolbars
