// The folder tree of the mail dialogs and the memo with a length limit.
#include "support/pupilrobot.h"
#include "widgets/foldertree.h"
#include "widgets/limitedmemo.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QStringList childTexts(QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; item && i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

int countItems(QTreeWidgetItem *item)
{
    int n = 1;
    for (int i = 0; i < item->childCount(); ++i)
        n += countItems(item->child(i));
    return n;
}
}

TEST(FolderTree, TheTwoTreesDifferOnlyInTheFolderOfPictures)
{
    FolderTree folders(FolderTree::schoolComputer(false));
    FolderTree pictures(FolderTree::schoolComputer(true));
    const QStringList two{QStringLiteral("C:\\"), QStringLiteral("velan"), QStringLiteral("2")};
    EXPECT_EQ(childTexts(folders.itemAt(two)),
              (QStringList{QStringLiteral("archive"), QStringLiteral("texte"), QStringLiteral("textes")}));
    EXPECT_EQ(childTexts(pictures.itemAt(two)),
              (QStringList{QStringLiteral("pav.jpg"), QStringLiteral("moto.jpg"), QStringLiteral("etoile.jpg"),
                           QStringLiteral("voiture.jpg"), QStringLiteral("maison.jpg"), QString(), QString()}));
    // Everything else is the same, entry for entry.
    const QList<FolderTree::Node> a = FolderTree::schoolComputer(false);
    const QList<FolderTree::Node> b = FolderTree::schoolComputer(true);
    auto velanTwo = [](const QList<FolderTree::Node> &nodes) {
        QList<FolderTree::Node> rest;
        bool inside = false;
        for (const FolderTree::Node &n : nodes) {
            if (inside && n.depth <= 2)
                inside = false;
            if (!inside)
                rest << n;
            if (n.depth == 2 && n.text == QStringLiteral("2"))
                inside = true;
        }
        return rest;
    };
    const QList<FolderTree::Node> restA = velanTwo(a), restB = velanTwo(b);
    ASSERT_EQ(restA.size(), restB.size());
    for (int i = 0; i < restA.size(); ++i)
        EXPECT_TRUE(restA[i].depth == restB[i].depth && restA[i].text == restB[i].text) << i;
    // Four roots, all folded; the expected trees' sizes.
    ASSERT_EQ(folders.topLevelItemCount(), 4);
    int total = 0;
    for (int i = 0; i < folders.topLevelItemCount(); ++i) {
        EXPECT_FALSE(folders.topLevelItem(i)->isExpanded());
        total += countItems(folders.topLevelItem(i));
    }
    EXPECT_EQ(total, int(a.size()));
    EXPECT_EQ(folders.itemAt({QStringLiteral("C:\\"), QStringLiteral("nowhere")}), nullptr);
}

TEST(FolderTree, SelectionIsWhatTheDialogJudgesAndOpensTheFolderIcon)
{
    FolderTree tree(FolderTree::schoolComputer(false));
    tree.resize(400, 300);
    tree.show();
    EXPECT_FALSE(tree.hasSelection());
    EXPECT_TRUE(tree.selectedText().isEmpty());
    // The focus may make an entry current without selecting it.
    tree.setFocus();
    tree.setCurrentItem(tree.topLevelItem(1), 0, QItemSelectionModel::NoUpdate);
    EXPECT_FALSE(tree.hasSelection());
    QTreeWidgetItem *documents = tree.itemAt({QStringLiteral("C:\\"), QStringLiteral("mes documents")});
    ASSERT_TRUE(documents);
    const QIcon closed = documents->icon(0);
    tree.setCurrentItem(documents);
    EXPECT_TRUE(tree.hasSelection());
    EXPECT_EQ(tree.selectedText(), QStringLiteral("mes documents"));
    EXPECT_NE(documents->icon(0).cacheKey(), closed.cacheKey()) << "an open folder while selected";
    tree.setCurrentItem(tree.topLevelItem(0));
    EXPECT_EQ(documents->icon(0).name(), closed.name()) << "closed again once left";
    EXPECT_EQ(tree.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(tree.indentation(), 25);
}

TEST(LimitedMemo, TypingStopsAtTheLimitAndEnterInsertsNothing)
{
    LimitedMemo memo(5);
    memo.show();
    QTest::keyClicks(&memo, QStringLiteral("abcdefg"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("abcde"));
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClick(&memo, Qt::Key_Enter);
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("abcde"));
    // A full memo still takes keys that replace a selection, and deletions.
    memo.selectAll();
    QTest::keyClicks(&memo, QStringLiteral("xy"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("xy"));
    QTest::keyClick(&memo, Qt::Key_Backspace);
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("x"));
}

TEST(LimitedMemo, PastesAndProgramTextKeepWhatFitsOnOneLine)
{
    LimitedMemo memo(10);
    memo.show();
    QApplication::clipboard()->setText(QStringLiteral("ab\r\ncd\nefghijkl"));
    memo.paste();
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("ab cd efgh"));
    memo.setPlainText(QStringLiteral("0123456789ABC\nD"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("0123456789"));
    int changes = 0;
    QObject::connect(&memo, &QPlainTextEdit::textChanged, [&] {
        ++changes;
        EXPECT_LE(memo.toPlainText().size(), 10) << "later receivers see the corrected text";
    });
    memo.clear();
    memo.insertPlainText(QStringLiteral("a very long sentence"));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("a very lon"));
    EXPECT_GE(changes, 1);
}
