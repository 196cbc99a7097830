// The address book, whose second window is the tallest of the program (939 x 815),
// played with the real pointer on the 1366 x 768 server (run by the outer test).
#include "screens/realmouse.h"
#include "screens/smallscreen.h"
#include "support/exercisefixture.h"

#include "exercises/domain5/address_book/layout.h"
#include "exercises/domain5/address_book/u29v3.h"
#include "exercises/domain5/address_book/u29v3b.h"
#include "shell/exercise/commontexts.h"
#include "widgets/limitedmemo.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

using namespace AddressBookLayout;

namespace {

class OnSmallScreenAddressBook : public ExerciseFixture
{
protected:
    OnSmallScreenAddressBook() : ExerciseFixture(Competence) {}
    void SetUp() override
    {
        if (!onSmallScreen())
            GTEST_SKIP() << "runs on the small screen only";
        WindowFit::setEnabled(true);
        ExerciseFixture::SetUp();
    }
    void TearDown() override
    {
        if (onSmallScreen())
            ExerciseFixture::TearDown();
        WindowFit::setEnabled(false);
    }

    template <typename T>
    T *showing(const QString &name)
    {
        T *w = nullptr;
        RealMouse::waitFor([&] { return (w = qobject_cast<T *>(PupilRobot::topWindow(name))) != nullptr; });
        EXPECT_TRUE(w) << name.toStdString() << " is not showing";
        if (w)
            expectInsideScreen(w);
        return w;
    }
    // The field is reached with the pointer and typed into with the keyboard. Accented
    // letters go in as a paste would: the test tool types them through keys it remaps
    // on the fly, which the server does not always deliver in time.
    void fill(QWidget *field, const QString &text)
    {
        ASSERT_TRUE(mouse.click(field));
        ASSERT_TRUE(RealMouse::waitFor([field] { return field->hasFocus(); })) << "the field got no focus";
        ASSERT_TRUE(mouse.key(QStringLiteral("ctrl+a")));
        bool ascii = true;
        for (QChar c : text)
            ascii = ascii && c.unicode() < 0x80;
        if (ascii) {
            ASSERT_TRUE(mouse.type(text));
        } else if (auto *line = qobject_cast<QLineEdit *>(field)) {
            line->insert(text);
        } else if (auto *memo = qobject_cast<QPlainTextEdit *>(field)) {
            memo->insertPlainText(text);
        }
    }

    RealMouse mouse;
};

TEST_F(OnSmallScreenAddressBook, PerfectRunWithTheRealMouseRecordsTheCompetence)
{
    launch();
    Texercice29v3 *w = showing<Texercice29v3>(QStringLiteral("Texercice29v3"));
    ASSERT_TRUE(w);
    const qreal firstScale = WindowFit::scaleOf(w);
    EXPECT_LT(firstScale, 1.0);
    ASSERT_TRUE(mouse.click(w, zs2.center()));
    ASSERT_TRUE(mouse.click(w, zs4.center()));
    fill(w->Edit1, NewFirstName);
    fill(w->Edit2, NewLastName);
    fill(w->Edit4, NewContact.address);
    ASSERT_TRUE(mouse.click(w, zs5.center()));
    EXPECT_EQ(w->ListBox1->count(), 6);
    ASSERT_TRUE(mouse.click(w, zs6.center()));

    Texercice29v3b *w2 = showing<Texercice29v3b>(QStringLiteral("Texercice29v3b"));
    ASSERT_TRUE(w2);
    EXPECT_LT(WindowFit::scaleOf(w2), firstScale + 1e-9) << "the taller window is not shown larger";
    ASSERT_TRUE(mouse.click(w2, zs2b.center()));
    ASSERT_TRUE(mouse.click(w2, zs4b.center()));
    for (auto [row, button] : {std::pair{MainRecipientRow, zs5b}, std::pair{CopyRecipientRow, zs6b}}) {
        QListWidget *list = w2->ListBox1;
        ASSERT_TRUE(mouse.click(list->viewport(), list->visualItemRect(list->item(row)).center()));
        ASSERT_TRUE(mouse.click(w2, button.center()));
    }
    fill(w2->Edit1, Subject);
    fill(w2->Memo1, Body);
    EXPECT_EQ(w2->Edit1->text(), Subject);
    EXPECT_EQ(w2->Memo1->toPlainText(), Body);
    boxes.expect(MessageBox::Kind::Information, CommonTexts::SuccessBox);
    ASSERT_TRUE(mouse.click(w2, zs7.center()));
    RealMouse::waitFor([this] { return form1->isVisible(); });
    expectBoardBack();
    expectRecorded();
    EXPECT_EQ(boxes.count(), 1) << "a perfect run shows no other box";
}

}
