#include "widgets/AccessKeys.h"

#include <QAction>
#include <QHash>
#include <QMenu>
#include <QWidget>

namespace {

QString withoutMark(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size() && caption[i + 1] != u'&')
            continue;
        plain += caption[i];
        if (caption[i] == u'&' && i + 1 < caption.size())
            plain += caption[++i]; // "&&" stays as it is
    }
    return plain;
}

} // namespace

QChar AccessKeys::of(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

namespace {

// The letters and digits of a caption without its mark, in lower case and
// in order, each once.
QList<QChar> candidates(const QString& plain) {
    QList<QChar> keys;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (plain[i] == u'&') {
            ++i;
            continue;
        }
        const QChar key = plain[i].toLower();
        if (plain[i].isLetterOrNumber() && !keys.contains(key))
            keys << key;
    }
    return keys;
}

QString markedAt(const QString& plain, QChar key) {
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (plain[i] == u'&') {
            ++i;
            continue;
        }
        if (plain[i].toLower() == key) {
            QString result = plain;
            result.insert(i, u'&');
            return result;
        }
    }
    return plain;
}

// Keys for the captions that need one, each from its own caption: the first
// free one where there is one; otherwise one that an earlier caption gives
// up for another of its own. The keys the captions mark themselves stay.
class KeyMatching {
public:
    KeyMatching(const QList<QString>& plains, const QHash<QChar, int>& fixed) : holder_(fixed) {
        for (const QString& plain : plains)
            candidates_ << candidates(plain);
    }
    void claim(int entry) {
        QSet<QChar> visited;
        claim(entry, visited);
    }
    QHash<int, QChar> chosen;

private:
    bool claim(int entry, QSet<QChar>& visited) {
        for (const QChar key : candidates_[entry]) {
            if (!holder_.contains(key)) {
                take(entry, key);
                return true;
            }
        }
        for (const QChar key : candidates_[entry]) {
            const int other = holder_.value(key);
            if (visited.contains(key) || other < 0)
                continue;
            visited.insert(key);
            if (claim(other, visited)) {
                take(entry, key);
                return true;
            }
        }
        return false;
    }
    void take(int entry, QChar key) {
        holder_[key] = entry;
        chosen[entry] = key;
    }

    QList<QList<QChar>> candidates_;
    QHash<QChar, int> holder_; // -1: a key a caption marks itself
};

} // namespace

void AccessKeys::assign(QWidget& menuBarOrMenu) {
    QList<QAction*> entries;
    for (QAction* a : menuBarOrMenu.actions())
        if (!a->isSeparator() && !a->text().isEmpty())
            entries << a;
    QHash<QChar, int> fixed;
    QList<QString> plains;
    QList<int> unmarked;
    for (int i = 0; i < entries.size(); ++i) {
        const QString caption = entries[i]->text();
        const QChar own = of(caption);
        plains << (own.isNull() ? caption : withoutMark(caption));
        if (!own.isNull() && !fixed.contains(own))
            fixed.insert(own, -1);
        else
            unmarked << i;
    }
    KeyMatching keys(plains, fixed);
    for (const int i : unmarked)
        keys.claim(i);
    for (const int i : unmarked)
        entries[i]->setText(keys.chosen.contains(i) ? markedAt(plains[i], keys.chosen[i])
                                                    : plains[i]);
    for (QAction* a : entries)
        if (QMenu* below = a->menu())
            assign(*below);
}
