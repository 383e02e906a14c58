#include "platform/ui/controls.h"
#include "platform/ui/ctlarray.h"

#include <QApplication>
#include <QFocusEvent>
#include <QImage>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTest>
#include <gtest/gtest.h>

TEST(Controls, HandlersRunOnEveryRealChangeByCodeOrUser)
{
    QWidget form;
    VbCheck check(&form);
    VbTextBox box(&form);
    VbScrollBar bar(&form);
    int clicks = 0, barChanges = 0;
    QStringList texts;
    check.onClick = [&] { ++clicks; };
    box.onChange = [&] { texts << box.text(); };
    bar.onChange = [&] { ++barChanges; };

    check.setValue(1);
    check.setValue(1);
    check.setValue(2);
    EXPECT_EQ(clicks, 2);
    form.show();
    QTest::mouseClick(&check, Qt::LeftButton);
    EXPECT_EQ(check.value(), 1);  // a click ticks a greyed box
    QTest::mouseClick(&check, Qt::LeftButton);
    EXPECT_EQ(check.value(), 0);
    EXPECT_EQ(clicks, 4);

    box.setText(QStringLiteral("12"));
    box.setText(QStringLiteral("12"));
    box.setText(QString());
    EXPECT_EQ(texts, (QStringList{QStringLiteral("12"), QString()}));

    bar.setMin(2);
    bar.setMax(4);
    EXPECT_EQ(bar.value(), 2);
    bar.setValue(3);
    bar.setValue(9);
    EXPECT_EQ(bar.value(), 4);
    EXPECT_EQ(barChanges, 3);
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
    for (auto [type, reason] : {std::pair{QEvent::FocusOut, Qt::PopupFocusReason},
                                {QEvent::FocusIn, Qt::ActiveWindowFocusReason}, {QEvent::FocusIn, Qt::TabFocusReason},
                                {QEvent::FocusOut, Qt::MouseFocusReason}}) {
        QFocusEvent event(type, reason);
        QApplication::sendEvent(&box, &event);
    }
    EXPECT_EQ(got, 1);
    EXPECT_EQ(lost, 1);
}

TEST(Controls, ListsRunClickOnSelectionOnlyAndComboTextsSelectNothing)
{
    QWidget form;
    VbCombo combo(&form);
    int clicks = 0, changes = 0;
    combo.onClick = [&] { ++clicks; };
    combo.onChange = [&] { ++changes; };
    for (const char *item : {"1", "10", "20"})
        combo.addItem(QString::fromLatin1(item));
    EXPECT_EQ(combo.listIndex(), -1);
    combo.setListIndex(1);
    combo.setListIndex(1);
    EXPECT_EQ(combo.text(), QStringLiteral("10"));
    combo.setText(QStringLiteral("1"));  // a text, even an entry's, selects no entry
    EXPECT_EQ(combo.listIndex(), -1);
    combo.clear();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 1);

    VbList list(&form);
    clicks = 0;
    list.onClick = [&] { ++clicks; };
    list.setLines({QStringLiteral("01- 1 2 3 (0)"), QStringLiteral("02- 4 5 6 (1)")});
    list.addItem(QStringLiteral("03- 7 8 9 (2)"));
    list.setListIndex(2);
    list.removeItem(2);
    EXPECT_EQ(list.listIndex(), -1);
    list.setListIndex(0);
    list.clear();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(list.listCount(), 0);

    // Every line can be read whole wherever the longest stands: the list scrolls across to it.
    list.Move(0, 0, 2000, 1500);
    form.show();
    const QString longest = QStringLiteral("32000- 46 47 48 49 50 11 12 (5+2)");
    const QString shortest = QStringLiteral("01- 1 2 3 4 5 1 2 (0)");
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.widget = &list;
    for (const QStringList &lines : {QStringList{longest, shortest}, QStringList{shortest}}) {
        list.setLines(lines);
        QCoreApplication::processEvents();
        list.addItem(lines.size() > 1 ? shortest : longest);
        list.addItem(shortest);
        list.removeItem(lines.size() > 1 ? 1 : 0);
        QCoreApplication::processEvents();
        for (int i = 0; i < list.listCount(); ++i) {
            const QModelIndex index = list.model()->index(i, 0);
            const int whole = QStyledItemDelegate().sizeHint(option, index).width();
            EXPECT_GE(list.visualRect(index).width(), whole) << list.list(i).toStdString();
            EXPECT_GE(list.viewport()->width() + list.horizontalScrollBar()->maximum(), whole);
        }
    }
}

// A combo given its entries on demand answers and behaves as one filled item by item, through the
// same steps; and it makes only the entries that are looked at.
TEST(Controls, ComboEntriesMadeOnDemandBehaveAsItems)
{
    QWidget form;
    VbCombo items(&form);
    VbCombo made(&form);
    struct Seen {
        int clicks = 0, changes = 0;
    } seenItems, seenMade;
    items.onClick = [&] { ++seenItems.clicks; };
    items.onChange = [&] { ++seenItems.changes; };
    made.onClick = [&] { ++seenMade.clicks; };
    made.onChange = [&] { ++seenMade.changes; };
    form.show();

    const int n = 40;
    const auto text = [](int k) { return QString::number(n - k); };
    const auto data = [](int k) { return QVariant(n - k); };
    const auto same = [&](const char *step) {
        SCOPED_TRACE(step);
        ASSERT_EQ(made.listCount(), items.listCount());
        for (int k = 0; k < items.listCount(); ++k) {
            EXPECT_EQ(made.list(k), items.list(k));
            EXPECT_EQ(made.itemData(k), items.itemData(k));
        }
        EXPECT_EQ(made.listIndex(), items.listIndex());
        EXPECT_EQ(made.text(), items.text());
        EXPECT_EQ(seenMade.clicks, seenItems.clicks);
        EXPECT_EQ(seenMade.changes, seenItems.changes);
    };
    for (VbCombo *c : {&items, &made})
        c->setText(QStringLiteral("17"));
    items.clear();
    for (int k = 0; k < n; ++k)
        items.addItem(text(k), data(k));
    made.clear();
    made.setEntries(n, text, data);
    same("filled");
    for (VbCombo *c : {&items, &made})
        c->setListIndex(5);
    same("entry selected");
    for (VbCombo *c : {&items, &made})
        c->setText(QStringLiteral("3"));
    same("text typed");
    for (VbCombo *c : {&items, &made})
        c->setListIndex(39);
    for (VbCombo *c : {&items, &made})
        c->addItem(QStringLiteral("0"), 0);
    same("item added");
    for (VbCombo *c : {&items, &made})
        c->clear();
    same("cleared");

    int madeTexts = 0;
    VbCombo large(&form);
    large.setEntries(500000, [&](int k) {
        ++madeTexts;
        return QString::number(500000 - k);
    });
    large.setListIndex(499999);
    large.show();
    QApplication::processEvents();
    EXPECT_EQ(large.text(), QStringLiteral("1"));
    EXPECT_LT(madeTexts, 1000);
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

namespace {

// The darkest pixel of the control as it paints itself, its text being the only dark thing on it.
QColor darkestPixel(QWidget &control)
{
    const QImage image = control.grab().toImage();
    QColor darkest = Qt::white;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.lightness() < darkest.lightness())
                darkest = pixel;
        }
    return darkest;
}

}  // namespace

// Labels on the grey board and boxes on white: enabled they show their fore colour; disabled,
// whatever their fore colour, they show grey text that can still be read.
TEST(Controls, DisabledControlsShowGreyReadableText)
{
    QWidget form;
    form.resize(200, 100);
    VbLabel label(&form);
    label.setBackColor(0xC0C0C0);
    label.setCaption(QStringLiteral("888"));
    VbTextBox box(&form);
    box.setText(QStringLiteral("888"));
    const std::pair<VbControl *, QWidget *> controls[] = {{&label, &label}, {&box, &box}};
    for (const auto &[control, widgetPointer] : controls) {
        QWidget &widget = *widgetPointer;
        widget.setGeometry(10, 10, 60, 24);
        for (const uint32_t fore : {vbc::kWindowText, vbc::kDarkRed}) {
            SCOPED_TRACE(widget.metaObject()->className() + std::string(" ") + std::to_string(fore));
            control->setForeColor(fore);
            widget.setEnabled(true);
            const QColor enabled = darkestPixel(widget);
            EXPECT_LT(enabled.lightness(), 90);
            widget.setEnabled(false);
            const QColor disabled = darkestPixel(widget);
            EXPECT_NEAR(disabled.red(), 128, 24);
            EXPECT_NEAR(disabled.green(), 128, 24);
            EXPECT_NEAR(disabled.blue(), 128, 24);
        }
    }
}
