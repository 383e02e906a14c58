#include "platform/ui/controls.h"
#include "platform/ui/ctlarray.h"

#include <QFocusEvent>
#include <QTest>
#include <gtest/gtest.h>

TEST(Controls, CheckBoxRunsItsHandlerOnEveryRealChange)
{
    QWidget form;
    VbCheck check(&form);
    int clicks = 0;
    check.onClick = [&] { ++clicks; };
    check.setValue(1);
    check.setValue(1);
    EXPECT_EQ(clicks, 1);
    check.setValue(2);
    EXPECT_EQ(check.value(), 2);
    form.show();
    QTest::mouseClick(&check, Qt::LeftButton);
    EXPECT_EQ(check.value(), 1);  // a click ticks a greyed box
    QTest::mouseClick(&check, Qt::LeftButton);
    EXPECT_EQ(check.value(), 0);
    EXPECT_EQ(clicks, 4);
}

TEST(Controls, OptionsOfOneParentFormAGroupThatCodeMayEmpty)
{
    QWidget form;
    VbOption hot(&form), cold(&form);
    int hotClicks = 0, coldClicks = 0;
    hot.onClick = [&] { ++hotClicks; };
    cold.onClick = [&] { ++coldClicks; };
    hot.setValue(true);
    cold.setValue(true);
    EXPECT_FALSE(hot.value());
    EXPECT_TRUE(cold.value());
    cold.setValue(false);  // code may leave no option ticked
    EXPECT_FALSE(cold.value());
    EXPECT_EQ(hotClicks, 1);
    EXPECT_EQ(coldClicks, 1);
    form.show();
    QTest::mouseClick(&hot, Qt::LeftButton);
    QTest::mouseClick(&hot, Qt::LeftButton);  // clicking a ticked option keeps it ticked
    EXPECT_TRUE(hot.value());
    EXPECT_EQ(hotClicks, 2);
}

TEST(Controls, TextBoxChangeRunsOnlyOnRealChanges)
{
    QWidget form;
    VbTextBox box(&form);
    QStringList seen;
    box.onChange = [&] { seen << box.text(); };
    box.setText(QStringLiteral("12"));
    box.setText(QStringLiteral("12"));
    box.setText(QString());
    EXPECT_EQ(seen, (QStringList{QStringLiteral("12"), QString()}));
}

TEST(Controls, KeyFilterRefusesKeysButLetsEditingKeysThrough)
{
    QWidget form;
    VbTextBox box(&form);
    box.onKeyPress = [](int &key) {
        if (key != 8 && (key < '0' || key > '9'))
            key = 0;
    };
    form.show();
    box.setFocus();
    QTest::keyClicks(&box, QStringLiteral("1a2-3"));
    EXPECT_EQ(box.text(), QStringLiteral("123"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), QStringLiteral("12"));
    QTest::keyClick(&box, Qt::Key_Left);
    QTest::keyClick(&box, Qt::Key_Delete);  // keys without a code never reach the filter
    EXPECT_EQ(box.text(), QStringLiteral("1"));
}

TEST(Controls, FocusEventsIgnorePopupsAndWindowActivation)
{
    QWidget form;
    VbTextBox box(&form);
    int got = 0, lost = 0;
    box.onGotFocus = [&] { ++got; };
    box.onLostFocus = [&] { ++lost; };
    QFocusEvent popupOut(QEvent::FocusOut, Qt::PopupFocusReason);
    QFocusEvent activationIn(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QFocusEvent tabIn(QEvent::FocusIn, Qt::TabFocusReason);
    QFocusEvent mouseOut(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(&box, &popupOut);
    QApplication::sendEvent(&box, &activationIn);
    EXPECT_EQ(got + lost, 0);
    QApplication::sendEvent(&box, &tabIn);
    QApplication::sendEvent(&box, &mouseOut);
    EXPECT_EQ(got, 1);
    EXPECT_EQ(lost, 1);
}

TEST(Controls, ComboSelectionRunsClickAndTypedTextRunsChange)
{
    QWidget form;
    VbCombo combo(&form);
    int clicks = 0, changes = 0;
    combo.onClick = [&] { ++clicks; };
    combo.onChange = [&] { ++changes; };
    for (const char *item : {"1", "10", "20"})
        combo.addItem(QString::fromLatin1(item));
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(clicks, 0);

    combo.setListIndex(1);
    combo.setListIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(combo.text(), QStringLiteral("10"));

    combo.setText(QStringLiteral("1"));  // a text, even an entry's, selects no entry
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.text(), QStringLiteral("1"));
    EXPECT_EQ(changes, 1);

    combo.setListIndex(0);
    EXPECT_EQ(clicks, 2);
    combo.clear();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(combo.listCount(), 0);
}

TEST(Controls, ListClearAndRemoveRunNoClick)
{
    QWidget form;
    VbList list(&form);
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    list.setLines({QStringLiteral("01- 1 2 3 (0)"), QStringLiteral("02- 4 5 6 (1)")});
    list.addItem(QStringLiteral("03- 7 8 9 (2)"));
    EXPECT_EQ(list.listCount(), 3);
    list.setListIndex(2);
    EXPECT_EQ(clicks, 1);
    list.removeItem(2);
    EXPECT_EQ(list.listIndex(), -1);
    list.setListIndex(0);
    list.clear();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(list.listCount(), 0);
}

TEST(Controls, ScrollBarClampsAndReportsValueChanges)
{
    QWidget form;
    VbScrollBar bar(&form);
    int changes = 0;
    bar.onChange = [&] { ++changes; };
    bar.setMin(2);
    bar.setMax(4);
    EXPECT_EQ(bar.value(), 2);
    bar.setValue(3);
    bar.setValue(9);
    EXPECT_EQ(bar.value(), 4);
    EXPECT_EQ(changes, 3);
}

TEST(Controls, ArrayElementsAreLoadedFromTheTemplateHiddenAndWired)
{
    QWidget form;
    CtlArray<VbLabel> labels;
    auto *tmpl = labels.set(0, new VbLabel(&form));
    tmpl->Move(120, 360, 495, 335);
    tmpl->setBackColor(vbc::kWhite);
    tmpl->setFontBold(true);
    std::vector<int> wired;
    labels.wire([&](int i, VbLabel *) { wired.push_back(i); });
    VbLabel *row = labels.load(5, 0);
    EXPECT_EQ(row->Width(), 495);
    EXPECT_EQ(row->backColor(), vbc::kWhite);
    EXPECT_TRUE(row->fontBold());
    EXPECT_FALSE(row->Visible());
    EXPECT_EQ(labels.load(5, 0), row);
    EXPECT_EQ(wired, (std::vector<int>{0, 5}));
    EXPECT_FALSE(labels.exists(3));
}
