#pragma once

#include <QWidget>

#include <memory>
#include <vector>

class CNode;
class QListWidget;
class QPlainTextEdit;
class QTreeWidget;

// The node trees the module handed to the host, newest last: a list of them, the selected
// one as a tree (nodes with their leaves) and in its text form.
class TreeViewer : public QWidget {
    Q_OBJECT
public:
    explicit TreeViewer(QWidget* parent = nullptr);
    ~TreeViewer() override;

    // Keeps the tree and shows it.
    void Add(const QString& title, std::unique_ptr<CNode> tree);
    int Count() const { return int(m_trees.size()); }
    const CNode* Tree(int index) const { return m_trees.at(size_t(index)).get(); }

private:
    void ShowTree(int index);

    std::vector<std::unique_ptr<CNode>> m_trees;
    QListWidget* m_list;
    QTreeWidget* m_tree;
    QPlainTextEdit* m_text;
};
