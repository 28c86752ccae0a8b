// The access keys of the main window's menus: every entry of every menu has
// one of its own in every language, and the captions stay as the language
// files write them.
#include "app/ui/MainWindow.h"

#include "widgets/AccessKeys.h"

#include "MainWindowFixture.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace {

QStringList assigned(const QStringList& captions) {
    QMenu menu;
    for (const QString& caption : captions)
        menu.addAction(caption);
    menu.addSeparator();
    AccessKeys::assign(menu);
    QStringList marked;
    for (const QAction* a : menu.actions())
        if (!a->isSeparator())
            marked << a->text();
    return marked;
}

// Each row: a menu's captions, and the same captions with their keys.
struct Marking {
    QStringList captions;
    QStringList expected;
};

TEST(AccessKeys, TakeTheCaptionsOwnKeyOrItsFirstFreeLetterOrDigit) {
    const Marking rows[] = {
        {{"Print", "Print Preview"}, {"&Print", "P&rint Preview"}},
        {{"&Save", "Save &As", "Set"}, {"&Save", "Save &As", "S&et"}},
        {{"Sort", "&Save"}, {"S&ort", "&Save"}}, // the mark holds, wherever it is
        {{"&Save", "&Set"}, {"&Save", "S&et"}},  // a mark already taken moves on
        {{"&A", "Save &As"}, {"&A", "&Save As"}},
        {{"50%", "100%", "150%"}, {"&50%", "&100%", "15&0%"}}, // digits count
        {{"Ö&ffnen", "Öl"}, {"Ö&ffnen", "&Öl"}},
        {{"A && B", "A"}, {"A && &B", "&A"}},         // "&&" is a plain ampersand
        {{"Ha", "He", "H"}, {"H&a", "H&e", "&H"}},    // an earlier entry makes room
        {{"Go", "Og", "Goo"}, {"&Go", "&Og", "Goo"}}, // nothing left: no mark
    };
    for (const Marking& row : rows)
        EXPECT_EQ(assigned(row.captions), row.expected) << row.captions.join(", ").toStdString();
}

QString unmarked(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(u'&');
    return caption.replace(u'\x01', u'&');
}

class MenuAccessKeys : public MainWindowFixture, public ::testing::WithParamInterface<const char*> {
protected:
    // Every menu's entries have keys of their own, and keep their captions.
    void checkMenu(QWidget& menu, const IniFile& language) {
        QSet<QChar> keys;
        for (QAction* entry : menu.actions()) {
            if (entry->isSeparator())
                continue;
            const QString name = entry->menu() ? entry->menu()->objectName() : entry->objectName();
            SCOPED_TRACE(name.toStdString() + ": " + entry->text().toStdString());
            const QChar key = AccessKeys::of(entry->text());
            ASSERT_FALSE(key.isNull());
            EXPECT_FALSE(keys.contains(key));
            keys.insert(key);
            if (language.hasKey(QStringLiteral("MainForm"), name)) {
                EXPECT_EQ(unmarked(entry->text()),
                          unmarked(language.readString(QStringLiteral("MainForm"), name, {})));
            }
            if (entry->menu())
                checkMenu(*entry->menu(), language);
        }
    }
};

TEST_P(MenuAccessKeys, EveryMenuEntryHasAKeyOfItsOwn) {
    const QString file =
        QDir::cleanPath(testDataPath(QStringLiteral("../../data/%1.ini").arg(GetParam())));
    const QByteArray bytes = fileBytes(file);
    ASSERT_FALSE(bytes.isEmpty()) << file.toStdString();
    folders.writeIni(bytes);
    makeModel();
    makeWindow();
    // Every entry the menus can show, hidden ones too: both sets of
    // justification entries.
    const IniFile language(file);
    checkMenu(*window->menuBar(), language);
    ASSERT_GE(window->menuBar()->actions().size(), 8);
}

INSTANTIATE_TEST_SUITE_P(Languages, MenuAccessKeys,
                         ::testing::Values("English", "French", "German", "Dutch", "Swedish",
                                           "Spanish"));

} // namespace
