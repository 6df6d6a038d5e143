#include "node.h"

#include <QLocale>
#include <QStringList>
#include <QStringView>

#include <algorithm>

// ---------------------------------------------------------------------------------------
// CLeaf

namespace {

// The value that starts at `from` and its end (the index of the separator or the end).
qsizetype valueEnd(const QString& raw, qsizetype from, QChar separator) {
    const qsizetype end = raw.indexOf(separator, from);
    return end < 0 ? raw.size() : end;
}

// With `trim`, blanks around a number are ignored; without, a blank makes it no number.
QStringView trimmedIf(QStringView view, bool trim) {
    if (trim)
        return view.trimmed();
    if (!view.isEmpty() && (view.front().isSpace() || view.back().isSpace()))
        return {};
    return view;
}

} // namespace

QString CLeaf::GetOnlyValue(QChar) const {
    return m_rawData.toString();
}

void CLeaf::SetOnlyValue(const QString& text, QChar) {
    m_rawData.assign(text);
}

bool CLeaf::GetFirstValue(QString& out, QChar separator) const {
    m_separator = separator.unicode();
    m_readPos = m_rawData.isEmpty() ? -1 : 0;
    return GetNextValue(out);
}

bool CLeaf::GetNextValue(QString& out) const {
    if (m_readPos < 0)
        return false;
    const QString raw = m_rawData.toString();
    if (m_readPos > raw.size())
        return false;
    const qsizetype end = valueEnd(raw, m_readPos, QChar(m_separator));
    out = raw.mid(m_readPos, end - m_readPos);
    m_readPos = end < raw.size() ? qint32(end + 1) : -1;
    return true;
}

bool CLeaf::GetFirstValue(int& out, QChar separator, bool skipBlanks) const {
    const QString raw = m_rawData.toString();
    if (raw.isEmpty())
        return false;
    const QStringView first(raw.constData(), valueEnd(raw, 0, separator));
    bool ok = false;
    const int value = trimmedIf(first, skipBlanks).toInt(&ok);
    if (ok)
        out = value;
    return ok;
}

bool CLeaf::GetFirstValue(double& out, QChar separator, bool skipBlanks) const {
    const QString raw = m_rawData.toString();
    if (raw.isEmpty())
        return false;
    const QStringView first(raw.constData(), valueEnd(raw, 0, separator));
    bool ok = false;
    const double value = trimmedIf(first, skipBlanks).toDouble(&ok);
    if (ok)
        out = value;
    return ok;
}

bool CLeaf::GetValue(int index, QString& out, QChar separator) const {
    const QString raw = m_rawData.toString();
    if (index < 1 || raw.isEmpty())
        return false;
    qsizetype from = 0;
    for (int i = 1; i < index; ++i) {
        const qsizetype end = valueEnd(raw, from, separator);
        if (end >= raw.size())
            return false;
        from = end + 1;
    }
    out = raw.mid(from, valueEnd(raw, from, separator) - from);
    return true;
}

int CLeaf::NrOfValues(QChar separator) const {
    const QString raw = m_rawData.toString();
    return raw.isEmpty() ? 0 : int(raw.count(separator)) + 1;
}

void CLeaf::InitSetValues(QChar separator) {
    m_setting = true;
    m_separator = separator.unicode();
}

void CLeaf::SetFirstValue(const QString& text, QChar separator) {
    if (m_setting) {
        m_separator = separator.unicode();
        m_rawData.assign(text);
        return;
    }
    QString raw = m_rawData.toString();
    const qsizetype end = valueEnd(raw, 0, separator);
    raw.replace(0, end, text);
    m_rawData.assign(raw);
}

void CLeaf::SetNextValue(const QString& text) {
    m_rawData.assign(m_rawData.toString() + QChar(m_separator) + text);
}

void CLeaf::ExitSetValues() {
    m_setting = false;
}

// ---------------------------------------------------------------------------------------
// CNode

CNode::CNode(const QString& name) : m_name(name) {}

// Takes the sub tree apart level by level, so that a deep tree cannot exhaust the stack.
CNode::~CNode() {
    std::vector<std::unique_ptr<CNode>> pending = std::move(m_children);
    while (!pending.empty()) {
        std::unique_ptr<CNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->m_children)
            pending.push_back(std::move(child));
        node->m_children.clear();
    }
}

CNode* CNode::AddChild(const QString& name) {
    return AddChild(new CNode(name));
}

CNode* CNode::AddChild(CNode* node) {
    if (!node)
        return nullptr;
    node->m_parent = this;
    node->m_indexInParent = qint32(m_children.size());
    m_children.emplace_back(node);
    return node;
}

// A child knows its place, so walking the children with FindChild(name, after) or
// GetNextSibling costs the same for the last of many as for the first.
qsizetype CNode::IndexOfChild(const CNode* child) const {
    if (!child || child->m_parent != this)
        return -1;
    const qsizetype index = child->m_indexInParent;
    return index >= 0 && index < qsizetype(m_children.size()) && m_children[index].get() == child ? index
                                                                                                  : -1;
}

void CNode::EraseChildAt(qsizetype index) {
    m_children.erase(m_children.begin() + index);
    for (qsizetype i = index; i < qsizetype(m_children.size()); ++i)
        m_children[i]->m_indexInParent = qint32(i);
}

CNode* CNode::GetNextSibling() const {
    if (!m_parent)
        return nullptr;
    const qsizetype index = m_parent->IndexOfChild(this);
    return m_parent->GetChild(int(index + 1));
}

CNode* CNode::GetChild(int index) const {
    return index >= 0 && index < int(m_children.size()) ? m_children[index].get() : nullptr;
}

CNode* CNode::FindChild(const QString& name, const CNode* after, bool recursive) const {
    if (recursive) {
        // Depth first in document order; `after` may lie anywhere below this node.
        bool passed = after == nullptr;
        std::vector<const CNode*> stack{this};
        while (!stack.empty()) {
            const CNode* node = stack.back();
            stack.pop_back();
            for (auto it = node->m_children.rbegin(); it != node->m_children.rend(); ++it)
                stack.push_back(it->get());
            if (node == this)
                continue;
            if (!passed) {
                passed = node == after;
                continue;
            }
            if (node->m_name == name)
                return const_cast<CNode*>(node);
        }
        return nullptr;
    }
    qsizetype start = 0;
    if (after) {
        start = after->m_parent == this ? IndexOfChild(after) + 1 : qsizetype(m_children.size());
    }
    for (qsizetype i = start; i < qsizetype(m_children.size()); ++i)
        if (m_children[i]->m_name == name)
            return m_children[i].get();
    return nullptr;
}

CNode* CNode::FindChildByAttributeValue(const QString& childName, const QString& key, const QString& value,
                                        const CNode* after) const {
    for (CNode* child = FindChild(childName, after); child; child = FindChild(childName, child)) {
        for (CLeaf* leaf = child->FindLeaf(key); leaf; leaf = child->FindLeaf(key, leaf))
            if (leaf->GetRawData() == value)
                return child;
    }
    return nullptr;
}

bool CNode::DeleteChild(CNode* node, bool recursive) {
    const qsizetype index = IndexOfChild(node);
    if (index >= 0) {
        EraseChildAt(index);
        return true;
    }
    if (recursive)
        for (auto& child : m_children)
            if (child->DeleteChild(node, true))
                return true;
    return false;
}

CNode* CNode::DetachChild(CNode* node) {
    const qsizetype index = IndexOfChild(node);
    if (index < 0)
        return nullptr;
    CNode* detached = m_children[index].release();
    EraseChildAt(index);
    detached->m_parent = nullptr;
    detached->m_indexInParent = -1;
    return detached;
}

CNode* CNode::Clone() const {
    auto* copy = new CNode(m_name);
    copy->m_leaves.reserve(m_leaves.size());
    for (const auto& leaf : m_leaves)
        copy->m_leaves.push_back(std::make_unique<CLeaf>(leaf->GetKey(), leaf->GetRawData()));
    copy->m_children.reserve(m_children.size());
    for (const auto& child : m_children)
        copy->AddChild(child->Clone());
    return copy;
}

void CNode::ShrinkToFit() {
    m_children.shrink_to_fit();
    m_leaves.shrink_to_fit();
}

CLeaf* CNode::AddLeaf(const QString& key, const QString& text, int) {
    m_leaves.push_back(std::make_unique<CLeaf>(key, text));
    return m_leaves.back().get();
}

CLeaf* CNode::AddLeaf(const QString& key, int value, int flag) {
    return AddLeaf(key, QString::number(value), flag);
}

CLeaf* CNode::AddLeaf(const QString& key, double value, int flag) {
    return AddLeaf(key, QString::number(value, 'g', QLocale::FloatingPointShortest), flag);
}

CLeaf* CNode::AddLeaf(CLeaf* leaf) {
    if (!leaf)
        return nullptr;
    m_leaves.emplace_back(leaf);
    return leaf;
}

CLeaf* CNode::GetLeaf(int index) const {
    return index >= 0 && index < int(m_leaves.size()) ? m_leaves[index].get() : nullptr;
}

CLeaf* CNode::FindLeaf(const QString& key, const CLeaf* after, bool recursive) const {
    const qsizetype count = qsizetype(m_leaves.size());
    qsizetype start = 0;
    bool afterHere = after == nullptr;
    if (after) {
        // A walk over equal keys asks for the leaf behind the one found last: try that first.
        const qsizetype hint = m_lastFoundLeaf.load(std::memory_order_relaxed);
        if (hint < count && m_leaves[hint].get() == after) {
            start = hint + 1;
            afterHere = true;
        } else {
            const auto it = std::find_if(m_leaves.begin(), m_leaves.end(),
                                         [after](const auto& leaf) { return leaf.get() == after; });
            afterHere = it != m_leaves.end();
            start = afterHere ? (it - m_leaves.begin()) + 1 : count;
        }
    }
    for (qsizetype i = start; i < count; ++i)
        if (m_leaves[i]->GetKey() == key) {
            m_lastFoundLeaf.store(qint32(i), std::memory_order_relaxed);
            return m_leaves[i].get();
        }
    if (recursive)
        for (const auto& child : m_children)
            if (CLeaf* found = child->FindLeaf(key, afterHere ? nullptr : after, true))
                return found;
    return nullptr;
}

bool CNode::DeleteLeaf(CLeaf* leaf, bool recursive) {
    auto it =
        std::find_if(m_leaves.begin(), m_leaves.end(), [leaf](const auto& l) { return l.get() == leaf; });
    if (it != m_leaves.end()) {
        m_leaves.erase(it);
        return true;
    }
    if (recursive)
        for (auto& child : m_children)
            if (child->DeleteLeaf(leaf, true))
                return true;
    return false;
}

CLeaf* CNode::GetNextLeaf(LeafPos& pos) const {
    if (pos <= 0 || pos > qsizetype(m_leaves.size())) {
        pos = 0;
        return nullptr;
    }
    CLeaf* leaf = m_leaves[pos - 1].get();
    pos = pos < qsizetype(m_leaves.size()) ? pos + 1 : 0;
    return leaf;
}

namespace {
QStringList splitPath(const QString& path) {
    QString normal = path;
    normal.replace(u'\\', u'/');
    return normal.split(u'/', Qt::SkipEmptyParts);
}
} // namespace

const CNode* CNode::NodeAtPath(const QString& path) const {
    const CNode* node = this;
    for (const QString& part : splitPath(path)) {
        node = node->FindChild(part);
        if (!node)
            return nullptr;
    }
    return node;
}

CNode* CNode::NodeAtPath(const QString& path, bool create) {
    CNode* node = this;
    for (const QString& part : splitPath(path)) {
        CNode* next = node->FindChild(part);
        if (!next && create)
            next = node->AddChild(part);
        if (!next)
            return nullptr;
        node = next;
    }
    return node;
}

QString CNode::GetStrLeafValue(const QString& path, const QString& key, int index, QChar separator,
                               const QString& defaultValue) const {
    const CNode* node = NodeAtPath(path);
    const CLeaf* leaf = node ? node->FindLeaf(key) : nullptr;
    QString value;
    if (!leaf || !leaf->GetValue(index, value, separator))
        return defaultValue;
    return value;
}

bool CNode::SetStrLeafValue(const QString& path, const QString& key, int index, const QString& text,
                            QChar separator) {
    CNode* node = NodeAtPath(path, true);
    if (!node || index < 1)
        return false;
    CLeaf* leaf = node->FindLeaf(key);
    if (!leaf)
        leaf = node->AddLeaf(key, QString());
    QStringList values = leaf->GetRawData().isEmpty() ? QStringList{} : leaf->GetRawData().split(separator);
    while (values.size() < index)
        values.append(QString());
    values[index - 1] = text;
    leaf->SetRawData(values.join(separator));
    return true;
}

int CNode::GetIntLeafValue(const QString& path, const QString& key, int index, QChar separator,
                           int defaultValue) const {
    // Index 0 reads the whole raw value, any other index that value alone.
    const CNode* node = NodeAtPath(path);
    const CLeaf* leaf = node ? node->FindLeaf(key) : nullptr;
    if (!leaf)
        return defaultValue;
    QString text;
    if (index <= 0)
        text = leaf->GetRawData();
    else if (!leaf->GetValue(index, text, separator))
        return defaultValue;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}
