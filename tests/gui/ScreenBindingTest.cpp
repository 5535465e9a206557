#include "screens/ScreenBinding.h"
#include "MessageRecorder.h"
#include "QtPrinters.h"
#include "core/TAnswer.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace scrivix;

namespace {

template <typename Control> Control* add(QWidget* parent, int tag, const char* style = nullptr)
{
    auto* control = new Control(parent);
    control->setProperty("Tag", tag);
    if (style)
        control->setProperty("StyleLookup", QString::fromLatin1(style));
    return control;
}

// A small screen with one control of each bound kind, some inside a group.
struct Screen
{
    Screen()
    {
        auto* group = new QGroupBox(&root);
        caption = add<QLabel>(&root, 0);
        caption->setText(QStringLiteral("Grantor:"));
        names = add<QLabel>(group, 12);
        text = add<QLineEdit>(group, 1007);
        money = add<QLineEdit>(&root, 2015);
        decimal = add<QLineEdit>(&root, 3020);
        whole = add<QLineEdit>(&root, 4003);
        unbound = add<QLineEdit>(&root, 999);
        last = add<QLineEdit>(&root, 1999);
        unbound->setText(QStringLiteral("left alone"));
        calculated = add<QLineEdit>(group, 1030, "EDITOVERRIDEABLE");
        memo = add<QPlainTextEdit>(&root, 34);
        box = add<QCheckBox>(&root, 48, "CHECKBOXOVERRIDEABLE");
        est = add<QCheckBox>(&root, 1040);
        radio = add<QRadioButton>(&root, 41);
    }
    QWidget root;
    QLabel* caption;
    QLabel* names;
    QLineEdit* text;
    QLineEdit* money;
    QLineEdit* decimal;
    QLineEdit* whole;
    QLineEdit* unbound;
    QLineEdit* last;
    QLineEdit* calculated;
    QPlainTextEdit* memo;
    QCheckBox* box;
    QCheckBox* est;
    QRadioButton* radio;
};

} // namespace

TEST(ScreenBinding, ShowsEachAnswerByItsControlsKind)
{
    TAnswer store;
    const std::pair<int, const char*> answers[] = {
        {12, "John Smith and Ann Lee"},
        {7, "Robert Smith"},
        {15, "1234.5"},
        {20, "7.5"},
        {3, "1234567"},
        {999, "last answer"},
        {30, "Executrix"},
        {34, "Lot 42 | Riverside Estates"},
        {48, "X"},
        {40, "X"},
        {41, "x"},
    };
    for (const auto& [n, text] : answers)
        store.setText(3, n, QString::fromUtf8(text));
    store.setOvRide(3, 48, true);

    Screen screen;
    MessageRecorder recorder;
    ScreenBinding::Answer2Components(&screen.root, store, 3);
    EXPECT_EQ(screen.caption->text(), QStringLiteral("Grantor:"));
    EXPECT_EQ(screen.names->text(), QStringLiteral("John Smith and Ann Lee"));
    EXPECT_EQ(screen.text->text(), QStringLiteral("Robert Smith"));
    EXPECT_EQ(screen.money->text(), QStringLiteral("1,234.50"));
    EXPECT_EQ(screen.decimal->text(), QStringLiteral("7.50"));
    EXPECT_EQ(screen.whole->text(), QStringLiteral("1,234,567"));
    EXPECT_EQ(screen.unbound->text(), QStringLiteral("left alone"));
    EXPECT_EQ(screen.last->text(), QStringLiteral("last answer"));
    EXPECT_EQ(screen.calculated->text(), QStringLiteral("Executrix"));
    EXPECT_TRUE(screen.calculated->isReadOnly());
    EXPECT_EQ(screen.memo->toPlainText(), QStringLiteral("Lot 42\nRiverside Estates"));
    EXPECT_TRUE(screen.box->isChecked());
    EXPECT_EQ(screen.box->property("StyleLookup").toString(), QStringLiteral("CHECKBOXOVERRIDDEN"));
    EXPECT_TRUE(screen.est->isChecked());
    EXPECT_EQ(screen.est->text(), QStringLiteral("EST"));
    EXPECT_FALSE(screen.radio->isChecked());
    EXPECT_TRUE(recorder.texts().isEmpty());

    // An empty money answer shows 0.00; an override makes the field editable.
    store.setText(3, 15, QString());
    store.setOvRide(3, 30, true);
    store.setText(3, 40, QString());
    ScreenBinding::Answer2Components(&screen.root, store, 3);
    EXPECT_EQ(screen.money->text(), QStringLiteral("0.00"));
    EXPECT_FALSE(screen.calculated->isReadOnly());
    EXPECT_EQ(screen.calculated->property("StyleLookup").toString(), QStringLiteral("EDITOVERRIDDEN"));
    EXPECT_EQ(screen.est->text(), QString());
}

TEST(ScreenBinding, StoresWhatTheUserTyped)
{
    Screen screen;
    screen.text->setText(QStringLiteral("  Robert Smith "));
    screen.money->setText(QStringLiteral("2,500.00"));
    screen.decimal->setText(QStringLiteral("7.50%"));
    screen.whole->setText(QStringLiteral("1,234,567"));
    screen.memo->setPlainText(QStringLiteral("Lot 42\nRiverside Estates"));
    screen.box->setChecked(true);
    screen.est->setChecked(false);
    screen.radio->setChecked(true);
    screen.last->setText(QStringLiteral("last answer"));

    TAnswer store;
    store.setText(3, 40, QStringLiteral("X"));
    ScreenBinding::Components2Answers(&screen.root, store, 3);
    EXPECT_EQ(store.text(3, 7), QStringLiteral("  Robert Smith "));
    EXPECT_EQ(store.text(3, 15), QStringLiteral("2,500.00"));
    EXPECT_EQ(store.text(3, 20), QStringLiteral("7.5"));
    EXPECT_EQ(store.text(3, 3), QStringLiteral("1,234,567"));
    EXPECT_EQ(store.text(3, 34), QStringLiteral("Lot 42 | Riverside Estates"));
    EXPECT_EQ(store.text(3, 48), QStringLiteral("X"));
    EXPECT_EQ(store.text(3, 40), QString());
    EXPECT_EQ(store.text(3, 41), QStringLiteral("X"));
    EXPECT_EQ(store.text(3, 12), QString()); // labels are never written back
    // Tag 1999 writes answer 999; the unbound edit with Tag 999 writes nothing.
    EXPECT_EQ(store.text(3, 999), QStringLiteral("last answer"));
    EXPECT_TRUE(store.text(0, 7).isEmpty()); // only the page on screen
}
