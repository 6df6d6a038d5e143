#pragma once

#include "leaf_text.h"

#include <QString>

#include <atomic>
#include <memory>
#include <vector>

class CNode;

// One entry of a node: a key and a raw value text that may hold several values joined by a
// separator (':' everywhere in the module).
class CLeaf {
public:
    CLeaf() = default;
    CLeaf(const QString& key, const QString& rawData) : m_key(key), m_rawData(rawData) {}
    CLeaf(const QString& key, LeafText&& rawData) : m_key(key), m_rawData(std::move(rawData)) {}

    const QString& GetKey() const { return m_key; }
    void SetKey(const QString& key) { m_key = key; }
    QString GetRawData() const { return m_rawData.toString(); }
    // The raw value in its stored form, for the writers.
    const LeafText& RawText() const { return m_rawData; }
    void SetRawData(const QString& rawData) { m_rawData.assign(rawData); }

    // The value of a single-value leaf: the raw text as it stands, separators included, so
    // that a value such as a path with a drive letter stays whole.
    QString GetOnlyValue(QChar separator = u':') const;
    void SetOnlyValue(const QString& text, QChar separator = u':');

    // Reads the values one by one; false when no value is left. An empty raw text holds
    // no value, "a:" holds "a" and "".
    bool GetFirstValue(QString& out, QChar separator = u':') const;
    bool GetNextValue(QString& out) const;
    // The first value as a number; with skipBlanks, blanks around it are ignored.
    bool GetFirstValue(int& out, QChar separator = u':', bool skipBlanks = true) const;
    bool GetFirstValue(double& out, QChar separator = u':', bool skipBlanks = true) const;
    // Value number `index`, counted from 1.
    bool GetValue(int index, QString& out, QChar separator = u':') const;
    int NrOfValues(QChar separator = u':') const;

    // Writes a multi-value leaf: InitSetValues, SetFirstValue, SetNextValue for each further
    // value, ExitSetValues. Outside such a sequence SetFirstValue replaces the first value
    // and keeps the others.
    void InitSetValues(QChar separator = u':');
    void SetFirstValue(const QString& text, QChar separator = u':');
    void SetNextValue(const QString& text);
    void ExitSetValues();

private:
    // Kept small on purpose: a large symbol library holds hundreds of thousands of leaves.
    // Keys repeat and are shared between leaves by the readers; values rarely do.
    QString m_key;
    LeafText m_rawData;
    // Reading position of GetNextValue: index behind the last value read, -1 when done.
    mutable qint32 m_readPos = -1;
    // Separator of the running read or write sequence.
    mutable char16_t m_separator = u':';
    bool m_setting = false;
};

// A named node with ordered children and ordered leaves. A node owns its children and
// leaves; a child knows its parent.
class CNode {
public:
    explicit CNode(const QString& name = QString());
    ~CNode();
    CNode(const CNode&) = delete;
    CNode& operator=(const CNode&) = delete;

    const QString& GetName() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    CNode* GetParent() const { return m_parent; }

    // Children.
    CNode* AddChild(const QString& name);
    CNode* AddChild(CNode* node); // adopts the node; it must not have a parent
    CNode* GetFirstChild() const { return m_children.empty() ? nullptr : m_children.front().get(); }
    CNode* GetNextSibling() const;
    int NrOfChildren() const { return int(m_children.size()); }
    CNode* GetChild(int index) const;
    // The first child called `name` behind `after` (null: from the start). With recursive,
    // the search goes depth first through the whole sub tree.
    CNode* FindChild(const QString& name, const CNode* after = nullptr, bool recursive = false) const;
    CNode* FindChildByAttributeValue(const QString& childName, const QString& key, const QString& value,
                                     const CNode* after = nullptr) const;
    bool DeleteChild(CNode* node, bool recursive = false);
    // Unlinks a child without destroying it; the caller owns the result.
    CNode* DetachChild(CNode* node);
    // A deep copy of this node and everything below it.
    CNode* Clone() const;

    // Leaves.
    CLeaf* AddLeaf(const QString& key, const QString& text, int flag = 0);
    CLeaf* AddLeaf(const QString& key, const char* text, int flag = 0) {
        return AddLeaf(key, QString::fromUtf8(text), flag);
    }
    CLeaf* AddLeaf(const QString& key, int value, int flag = 0);
    CLeaf* AddLeaf(const QString& key, double value, int flag = 0);
    CLeaf* AddLeaf(CLeaf* leaf); // adopts the leaf
    int NrOfLeaves() const { return int(m_leaves.size()); }
    CLeaf* GetLeaf(int index) const;
    CLeaf* FindLeaf(const QString& key, const CLeaf* after = nullptr, bool recursive = false) const;
    bool DeleteLeaf(CLeaf* leaf, bool recursive = false);

    // Leaf positions: 0 is "no more"; GetNextLeaf returns the leaf at pos and advances it.
    using LeafPos = qsizetype;
    LeafPos GetFirstLeafPos() const { return m_leaves.empty() ? 0 : 1; }
    CLeaf* GetNextLeaf(LeafPos& pos) const;

    // Values by path: `path` names a child path below this node ("A\B" or "A/B"; null or
    // empty: this node).
    QString GetStrLeafValue(const QString& path, const QString& key, int index = 1, QChar separator = u':',
                            const QString& defaultValue = QString()) const;
    bool SetStrLeafValue(const QString& path, const QString& key, int index, const QString& text,
                         QChar separator = u':');
    int GetIntLeafValue(const QString& path, const QString& key, int index = 1, QChar separator = u':',
                        int defaultValue = 0) const;

    // Writes the tree: asXml selects the XML form, asText the text form; with neither, the
    // file name decides (ending in "x": XML). The file is replaced atomically.
    bool WriteToFile(const QString& path, bool asXml, bool asText, bool createFolders = true, int flags = 0,
                     QChar separator = u':') const;
    // The tree in the text form.
    bool WriteToString(QString& text, bool asXml = false, bool compact = false, bool noComments = false,
                       int flags = 0, QChar separator = u':') const;

    // Gives back the spare room of the child and leaf lists; readers call it when a node is
    // complete, since a loaded library is large and rarely grows.
    void ShrinkToFit();

    const std::vector<std::unique_ptr<CNode>>& Children() const { return m_children; }
    const std::vector<std::unique_ptr<CLeaf>>& Leaves() const { return m_leaves; }

private:
    CNode* NodeAtPath(const QString& path, bool create);
    const CNode* NodeAtPath(const QString& path) const;
    qsizetype IndexOfChild(const CNode* child) const;
    void EraseChildAt(qsizetype index);

    QString m_name;
    CNode* m_parent = nullptr;
    qint32 m_indexInParent = -1; // this node's place in its parent's children
    // Where FindLeaf found its last leaf, so that a walk over equal keys goes on from there.
    // Atomic since a tree that is only read may be searched from several threads.
    mutable std::atomic<qint32> m_lastFoundLeaf{0};
    std::vector<std::unique_ptr<CNode>> m_children;
    std::vector<std::unique_ptr<CLeaf>> m_leaves;
};
