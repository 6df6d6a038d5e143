#include "quick_find.h"

#include "corekit/node.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

bool isWordChar(QChar c) {
    return c.isLetterOrNumber();
}

// How `query` (folded) occurs in `text` (folded) as it is, or nothing.
std::optional<CQuickFind::Match> matchIn(const QString& text, const QString& query) {
    std::optional<CQuickFind::Match> best;
    for (qsizetype at = text.indexOf(query); at >= 0; at = text.indexOf(query, at + 1)) {
        const bool starts = at == 0 || !isWordChar(text[at - 1]);
        const qsizetype end = at + query.size();
        const bool ends = end == text.size() || !isWordChar(text[end]);
        const CQuickFind::Match m = starts && ends ? CQuickFind::Match::WholeWord
                                    : starts       ? CQuickFind::Match::Prefix
                                                   : CQuickFind::Match::Inside;
        if (!best || m < *best)
            best = m;
        if (m == CQuickFind::Match::WholeWord)
            break;
    }
    return best;
}

} // namespace

QString CQuickFind::Fold(const QString& text) {
    QString folded;
    folded.reserve(text.size() + 4);
    for (QChar c : text.toLower()) {
        switch (c.unicode()) {
        case 0x00E4:
            folded += QLatin1String("ae");
            break;
        case 0x00F6:
            folded += QLatin1String("oe");
            break;
        case 0x00FC:
            folded += QLatin1String("ue");
            break;
        case 0x00DF:
            folded += QLatin1String("ss");
            break;
        default:
            folded += c;
        }
    }
    return folded;
}

bool CQuickFind::WithinOneEdit(QStringView a, QStringView b) {
    if (a.size() > b.size())
        std::swap(a, b);
    if (b.size() - a.size() > 1)
        return false;
    qsizetype i = 0;
    while (i < a.size() && a[i] == b[i])
        ++i;
    if (i == a.size())
        return true; // equal, or b has one letter more at the end
    if (a.size() == b.size()) {
        if (a.mid(i + 1) == b.mid(i + 1))
            return true; // one replaced
        return i + 1 < a.size() && a[i] == b[i + 1] && a[i + 1] == b[i] && a.mid(i + 2) == b.mid(i + 2);
    }
    return a.mid(i) == b.mid(i + 1); // one inserted into b
}

std::vector<CQuickFind::Word> CQuickFind::WordsOf(const QString& folded) {
    std::vector<Word> words;
    int i = 0;
    const int size = int(folded.size());
    while (i < size) {
        while (i < size && !isWordChar(folded[i]))
            ++i;
        int j = i;
        while (j < size && isWordChar(folded[j]))
            ++j;
        if (j > i)
            words.push_back({i, j - i});
        i = j;
    }
    return words;
}

bool CQuickFind::TypoIn(const QString& folded, const std::vector<Word>& words, const QString& query) {
    const int q = int(query.size());
    for (const Word& w : words) {
        const QStringView word = QStringView(folded).mid(w.start, w.length);
        // Within one edit, the first letters meet in one of these ways; most words fail here.
        const bool near = word[0] == query[0] || word[0] == query[1] ||
                          (w.length > 1 && (word[1] == query[0] || word[1] == query[1]));
        if (!near)
            continue;
        if (std::abs(w.length - q) <= 1 && WithinOneEdit(word, query))
            return true;
        for (int n : {q - 1, q, q + 1})
            if (n > 0 && n < w.length && WithinOneEdit(word.left(n), query))
                return true;
    }
    return false;
}

void CQuickFind::Index(const std::vector<CNode*>& pages,
                       const std::function<QString(const QString&)>& dataText) {
    m_entries.clear();
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (!pages[p])
            continue;
        for (const auto& child : pages[p]->Children()) {
            if (child->GetName() != QLatin1String("Symbol"))
                continue;
            Entry entry{int(p), child.get(), {}, {}, {}};
            const QString block = child->GetStrLeafValue(QString(), QStringLiteral("BlockName"));
            if (child->FindLeaf(QStringLiteral("DisplayName")))
                entry.name = dataText(child->GetStrLeafValue(QString(), QStringLiteral("DisplayName")));
            entry.folded[0] = Fold(entry.name);
            entry.folded[1] = Fold(block);
            entry.words[0] = WordsOf(entry.folded[0]);
            entry.words[1] = WordsOf(entry.folded[1]);
            if (entry.name.isEmpty())
                entry.name = block;
            m_entries.push_back(std::move(entry));
        }
    }
}

std::vector<CQuickFind::Hit> CQuickFind::Find(const QString& text, int limit) const {
    std::vector<Hit> hits;
    const QString query = Fold(text.trimmed());
    if (query.isEmpty() || limit <= 0)
        return hits;
    // One list per kind of match, each in page and symbol order; typos are looked for only
    // while the better kinds have not filled the list yet.
    std::array<std::vector<Hit>, 4> ranked;
    const auto better = [&] { return int(ranked[0].size() + ranked[1].size() + ranked[2].size()); };
    for (const Entry& entry : m_entries) {
        std::optional<Match> best;
        Field field = Field::DisplayName;
        for (int f = 0; f < 2; ++f) {
            if (entry.folded[f].isEmpty())
                continue;
            const std::optional<Match> m = matchIn(entry.folded[f], query);
            if (m && (!best || *m < *best)) {
                best = m;
                field = Field(f);
            }
        }
        // One typo counts only for queries of four letters or more, and only while the better
        // kinds and the typos found so far leave room in the list.
        const bool typos = query.size() >= 4 && better() < limit && int(ranked[3].size()) < limit;
        for (int f = 0; f < 2 && !best && typos; ++f) {
            if (TypoIn(entry.folded[f], entry.words[f], query)) {
                best = Match::Typo;
                field = Field(f);
            }
        }
        if (best && int(ranked[std::size_t(*best)].size()) < limit)
            ranked[std::size_t(*best)].push_back({entry.page, entry.symbol, *best, field, entry.name});
    }
    for (const auto& list : ranked)
        for (const Hit& hit : list)
            if (int(hits.size()) < limit)
                hits.push_back(hit);
    return hits;
}
