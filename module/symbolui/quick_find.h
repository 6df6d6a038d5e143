#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class CNode;

// Quick find of the symbols window: filters the symbols of all pages as the planner types.
// It forgives one typo and the spellings of umlauts ("Waermepumpe" finds "Wärmepumpe"), and
// ranks the hits: a whole word before a word's beginning before a piece inside a word before
// a word with one typo. The texts are prepared once per page list, so that a keystroke over
// a hundred thousand symbols stays inside one frame.
class CQuickFind {
public:
    enum class Match { WholeWord, Prefix, Inside, Typo };
    enum class Field { DisplayName, BlockName };

    struct Hit {
        int page = -1;
        CNode* symbol = nullptr;
        Match match = Match::WholeWord;
        Field field = Field::DisplayName;
        QString name; // what the planner sees: the translated display name, else the block name
    };

    // Indexes every "Symbol" of every page, in page order; `dataText` translates display names.
    void Index(const std::vector<CNode*>& pages, const std::function<QString(const QString&)>& dataText);
    int Size() const { return int(m_entries.size()); }

    // The hits for `text`, best first, at most `limit`; nothing for an empty text.
    std::vector<Hit> Find(const QString& text, int limit = 50) const;

    // Lower case with umlauts and ß spelled out: "Wärme" and "Waerme" both give "waerme".
    static QString Fold(const QString& text);
    // True when a and b differ by at most one inserted, deleted, replaced or swapped letter.
    static bool WithinOneEdit(QStringView a, QStringView b);

private:
    // A word of a folded text: where it starts and how long it is.
    struct Word {
        int start;
        int length;
    };
    struct Entry {
        int page;
        CNode* symbol;
        QString name;
        QString folded[2]; // display name, block name
        std::vector<Word> words[2];
    };
    static std::vector<Word> WordsOf(const QString& folded);
    static bool TypoIn(const QString& folded, const std::vector<Word>& words, const QString& query);
    std::vector<Entry> m_entries;
};
