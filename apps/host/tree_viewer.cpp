#include "tree_viewer.h"

#include "host_text.h"

#include "corekit/node.h"
#include "corekit/text_utils.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
void AddNode(QTreeWidgetItem* parent, const CNode& node) {
    auto* item = new QTreeWidgetItem(parent, {node.GetName(), QString()});
    for (int i = 0; i < node.NrOfLeaves(); ++i) {
        const CLeaf* leaf = node.GetLeaf(i);
        new QTreeWidgetItem(item, {leaf->GetKey(), leaf->GetRawData()});
    }
    for (const auto& child : node.Children())
        AddNode(item, *child);
}
} // namespace

TreeViewer::TreeViewer(QWidget* parent) : QWidget(parent) {
    m_list = new QListWidget(this);
    m_list->setAccessibleName(HostText("Erhaltene Knotenbäume"));
    m_tree = new QTreeWidget(this);
    m_tree->setHeaderLabels({HostText("Knoten / Schlüssel"), HostText("Wert")});
    m_tree->setAccessibleName(HostText("Knotenbaum"));
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setAccessibleName(HostText("Knotenbaum als Text"));
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_list);
    splitter->addWidget(m_tree);
    splitter->addWidget(m_text);
    splitter->setSizes({60, 200, 160});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(splitter);
    connect(m_list, &QListWidget::currentRowChanged, this, &TreeViewer::ShowTree);
}

TreeViewer::~TreeViewer() = default;

void TreeViewer::Add(const QString& title, std::unique_ptr<CNode> tree) {
    m_list->addItem(sformat("%d  %s: %s", Count() + 1, title, tree->GetName()));
    m_trees.push_back(std::move(tree));
    m_list->setCurrentRow(m_list->count() - 1);
}

void TreeViewer::ShowTree(int index) {
    m_tree->clear();
    m_text->clear();
    if (index < 0 || index >= Count())
        return;
    const CNode& node = *m_trees[size_t(index)];
    AddNode(m_tree->invisibleRootItem(), node);
    m_tree->expandAll();
    m_tree->resizeColumnToContents(0);
    QString text;
    node.WriteToString(text);
    m_text->setPlainText(text);
}
