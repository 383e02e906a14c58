// The controls the windows are built of, driven as a user drives them.

#include "platform/ui/controls.h"
#include "platform/ui/narrowfont.h"
#include "support/arriving.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTest>
#include <gtest/gtest.h>

TEST(Controls, HandlersRunOnceForEveryRealChangeAndKeysPassTheFilter)
{
    QWidget form;
    VbCheck check(&form);
    VbTextBox box(&form);
    int clicks = 0, got = 0, lost = 0;
    QStringList texts;
    check.onClick = [&] { ++clicks; };
    box.onChange = [&] { texts << box.text(); };
    box.onKeyPress = [](int &key) { key = key == 8 || (key >= '0' && key <= '9') ? key : 0; };
    box.onGotFocus = [&] { ++got; };
    box.onLostFocus = [&] { ++lost; };
    form.show();
    check.setValue(2);
    check.setValue(2);
    QTest::mouseClick(&check, Qt::LeftButton);  // a click ticks a greyed box
    EXPECT_EQ(std::pair(check.value(), clicks), std::pair(1, 2));

    box.setFocus();
    QTest::keyClicks(&box, QStringLiteral("1a2-3"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Left);
    QTest::keyClick(&box, Qt::Key_Delete);  // keys without a code never reach the filter
    EXPECT_EQ(texts, (QStringList{"1", "12", "123", "12", "1"}));
    // Focus that goes to a popup or comes back with the window is no change of focus.
    for (auto [type, reason] : {std::pair{QEvent::FocusOut, Qt::PopupFocusReason},
                                {QEvent::FocusIn, Qt::ActiveWindowFocusReason}, {QEvent::FocusOut, Qt::TabFocusReason}}) {
        QFocusEvent event(type, reason);
        QApplication::sendEvent(&box, &event);
    }
    EXPECT_EQ(std::pair(got, lost), std::pair(0, 1));
}

namespace {

// A box that takes digits, at most three (its filter sees the text typed so far), and a combo that
// takes no key, as the program's dialogs and boards filter them.
struct FilteredControls {
    FilteredControls()
    {
        box.onKeyPress = [this](int &key) {
            subFilterDialogKey(QStringLiteral("0123456789"), key);
            if (key >= 32 && box.text().size() >= 3)
                key = 0;
        };
        combo.onKeyPress = [](int &key) { key = 1; };
        combo.addItem(QStringLiteral("2025"));
        combo.setListIndex(0);
        box.setGeometry(0, 0, 120, 24);
        combo.setGeometry(0, 30, 120, 24);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    // What each holds after `text` came into it, the box empty before.
    std::pair<QString, QString> bringToBoth(const QString &text, Arrival way)
    {
        box.setText(QString());
        for (QWidget *control : std::initializer_list<QWidget *>{&box, &combo}) {
            control->setFocus();
            bring(text, way);
        }
        return {box.text(), combo.text()};
    }

    QWidget form;
    VbTextBox box{&form};
    VbCombo combo{&form};
    // Refused but for the digits 1, 2 and 3: a character beyond 16 bits (whose last 16 bits are the
    // digit 1), composed letters, a line break, the fourth digit.
    const QString text = QStringLiteral("1\U00010031\u00EA2\n3\u00B44");
};

}  // namespace

// Composed by the input method, pasted or dropped, text goes into a box as its typed keys would:
// each character through the box's key filter, which sees the text as typing left it so far; a
// combo that takes no key takes none of it.
TEST(Controls, TextComposedPastedOrDroppedPassesTheKeyFilterAsTyped)
{
    FilteredControls controls;
    for (Arrival way : kArrivals)
        EXPECT_EQ(controls.bringToBoth(controls.text, way), std::pair(QString("123"), QString("2025"))) << arrivalName(way);
}

// Under X a middle click pastes the selection, as typed (this test runs under a virtual X server
// too; the offscreen platform has no selection).
TEST(Controls, AMiddleClickPastesTheSelectionAsTyped)
{
    if (!QGuiApplication::clipboard()->supportsSelection())
        GTEST_SKIP() << "no selection to paste on " << QGuiApplication::platformName().toStdString();
    FilteredControls controls;
    EXPECT_EQ(controls.bringToBoth(controls.text, Arrival::MiddleClick), std::pair(QString("123"), QString("2025")));
}

// A combo given its entries on demand makes only the entries that are looked at, and answers as
// one filled item by item: a typed text selects no entry.
TEST(Controls, ComboEntriesMadeOnDemandBehaveAsItems)
{
    QWidget form;
    VbCombo combo(&form);
    int madeTexts = 0, clicks = 0, changes = 0;
    combo.onClick = [&] { ++clicks; };
    combo.onChange = [&] { ++changes; };
    combo.setEntries(500000, [&](int k) { return ++madeTexts, QString::number(500000 - k); },
                     [](int k) { return QVariant(500000 - k); });
    combo.setListIndex(499999);
    form.show();
    EXPECT_EQ(std::tuple(combo.text(), combo.itemData(499999), clicks), std::tuple(QString("1"), QVariant(1), 1));
    EXPECT_LT(madeTexts, 1000);
    combo.setText(QStringLiteral("2"));
    combo.addItem(QStringLiteral("0"), 0);
    EXPECT_EQ(std::tuple(combo.listIndex(), combo.list(500000), changes), std::tuple(-1, QString("0"), 1));
}

// A combo made ready for its entries before they are known is an empty combo until they come:
// its typed text stays, items added to it are items, and its entries fill it later; cleared, it
// takes items again.
TEST(Controls, AComboReadyForEntriesIsAnEmptyComboUntilTheyCome)
{
    QWidget form;
    for (const bool filled : {false, true}) {
        VbCombo combo(&form);
        int clicks = 0;
        combo.onClick = [&] { ++clicks; };
        combo.setText(QStringLiteral("12"));
        combo.prepareEntries();
        EXPECT_EQ(std::tuple(combo.count(), combo.listIndex(), combo.text()), std::tuple(0, -1, QString("12")));
        if (filled) {
            combo.setEntries(3, [](int k) { return QString::number(k + 1); });
            combo.setListIndex(2);
            EXPECT_EQ(std::tuple(combo.count(), combo.text(), clicks), std::tuple(3, QString("3"), 1));
        } else {
            combo.addItem(QStringLiteral("7"));
            combo.addItem(QStringLiteral("8"));
            EXPECT_EQ(std::tuple(combo.count(), combo.listIndex(), combo.text(), combo.list(1)),
                      std::tuple(2, -1, QString("12"), QString("8")));
        }
        combo.clear();
        EXPECT_EQ(std::tuple(combo.count(), clicks), std::tuple(0, filled ? 1 : 0));
        combo.addItem(QStringLiteral("9"));
        EXPECT_EQ(std::tuple(combo.count(), combo.list(0), combo.listIndex()), std::tuple(1, QString("9"), -1));
        // Entries given to a combo holding items take their place.
        combo.setEntries(2, [](int k) { return QString::number(k + 5); });
        EXPECT_EQ(std::tuple(combo.count(), combo.list(1)), std::tuple(2, QString("6")));
    }
}

// What the user must be able to read: every ticket line whole (the list scrolls across to the
// longest), and grey text on a disabled label or box whatever its fore colour.
TEST(Controls, ListLinesAndDisabledTextsCanBeRead)
{
    QWidget form;
    VbList list(&form);
    list.Move(0, 0, 2000, 1500);
    form.show();
    list.setLines({QStringLiteral("01- 1 2 3 4 5 1 2 (0)")});
    list.addItem(QStringLiteral("32000- 46 47 48 49 50 11 12 (5+2)"));
    list.removeItem(0);
    QCoreApplication::processEvents();
    QStyleOptionViewItem option;
    option.initFrom(&list);
    const int whole = QStyledItemDelegate().sizeHint(option, list.model()->index(0, 0)).width();
    EXPECT_GE(list.viewport()->width() + list.horizontalScrollBar()->maximum(), whole);

    VbLabel label(&form);
    label.setCaption(QStringLiteral("888"));
    VbTextBox box(&form);
    box.setText(QStringLiteral("888"));
    for (VbControl *control : std::initializer_list<VbControl *>{&label, &box}) {
        auto &widget = dynamic_cast<QWidget &>(*control);
        widget.setGeometry(10, 10, 60, 24);
        control->setForeColor(vbc::kDarkRed);
        for (const bool enabled : {true, false}) {
            widget.setEnabled(enabled);
            const QImage shown = widget.grab().toImage();
            QColor text = Qt::white;  // the darkest pixel: the text is the only dark thing
            for (int i = 0; i < shown.width() * shown.height(); ++i)
                if (shown.pixelColor(i % shown.width(), i / shown.width()).lightness() < text.lightness())
                    text = shown.pixelColor(i % shown.width(), i / shown.width());
            EXPECT_TRUE(enabled ? text.lightness() < 90 : std::abs(text.red() - 128) + std::abs(text.blue() - 128) < 40)
                << enabled << text.name().toStdString();
        }
    }
}

// The list paints its lines itself, laying each out once: every line, plain, selected with the
// focus, selected in a window in the back, or greyed in a disabled list, must show pixel for pixel
// as the style paints it.
TEST(Controls, ListLinesShowAsTheStylePaintsThem)
{
    struct StylePainted : QStyledItemDelegate {
        QAbstractItemDelegate *own = nullptr;
        QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
        {
            return own->sizeHint(option, index);
        }
    };
    QWidget form;
    VbList list(&form);
    list.Move(0, 0, 3000, 1500);
    QStringList lines;
    for (int i = 1; i <= 40; ++i)
        lines << QStringLiteral("%1- 01 07 13 %2 44 49 (%3)").arg(i, 2, 10, QLatin1Char('0')).arg(i).arg(i % 4 ? QStringLiteral("0") : QStringLiteral("3+1"));
    list.setLines(lines);
    form.show();
    QApplication::setActiveWindow(&form);
    list.setFocus();
    auto *own = list.itemDelegate();
    StylePainted style;
    style.own = own;
    const auto expectSame = [&](const char *state) {
        QCoreApplication::processEvents();
        const QImage ownPaint = list.viewport()->grab().toImage();
        list.setItemDelegate(&style);
        const QImage stylePaint = list.viewport()->grab().toImage();
        list.setItemDelegate(own);
        EXPECT_EQ(ownPaint, stylePaint) << state;
    };
    expectSame("plain");
    list.setListIndex(3);
    expectSame("selected, with the focus");
    list.horizontalScrollBar()->setValue(list.horizontalScrollBar()->maximum());
    expectSame("scrolled across");
    QWidget front;
    front.show();
    QApplication::setActiveWindow(&front);
    expectSame("selected, in the back");
    list.setEnabled(false);
    expectSame("disabled");
}

// A list showing a model of lines follows it: every line is where a click finds it. A line
// selected by code runs Click once and stays selected while lines are added; lines replaced or
// removed leave none selected and run no Click, nor does the focus coming to the list afterwards.
TEST(Controls, ListFollowsTheModelItShows)
{
    QWidget form;
    QStringList lines{QStringLiteral("01- 1 2 3 (0)"), QStringLiteral("02- 4 5 6 (1)")};
    LineListModel model(lines);
    VbList list(&form);
    list.Move(0, 0, 2000, 1500);
    list.setModel(&model);
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    form.show();
    const auto seen = [&] {
        QCoreApplication::processEvents();
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(&list, &focus);
        QStringList shown;
        for (int row = 0; row < list.listCount(); ++row)
            if (list.indexAt(list.visualRect(model.index(row)).center()).row() == row)
                shown << list.list(row);
        return std::tuple(shown, list.listIndex(), clicks);
    };
    list.setListIndex(1);
    list.setListIndex(1);
    model.appendLine(QStringLiteral("03- 7 8 9 (2)"));
    EXPECT_EQ(seen(), std::tuple(QStringList{"01- 1 2 3 (0)", "02- 4 5 6 (1)", "03- 7 8 9 (2)"}, 1, 1));
    model.removeLine(1);  // the selected line
    EXPECT_EQ(seen(), std::tuple(QStringList{"01- 1 2 3 (0)", "03- 7 8 9 (2)"}, -1, 1));
    list.setListIndex(0);
    model.setLines({QStringLiteral("1"), QStringLiteral("2")});
    EXPECT_EQ(seen(), std::tuple(QStringList{"1", "2"}, -1, 2));
}

// A control given a back colour shows it over its whole area; an opaque label shows the button
// face, one made transparent again its window's colour, and so does a label made from that one as
// from a template; a circle on a back colour keeps that colour in its corners.
TEST(Controls, BackColoursShowWhereTheControlsStand)
{
    QWidget form;
    form.resize(300, 60);
    setWindowBackColor(&form, 0x00FF00);
    VbLabel filled(&form), copy(&form), opaque(&form), cleared(&form);
    VbShape circle(&form);
    filled.setBackColor(0x0000FF);
    opaque.setOpaque(true);
    cleared.setBackColor(0xFF0000);
    cleared.setOpaque(false);
    copy.copyFrom(cleared);
    circle.setKind(VbShape::Circle);
    circle.setBackColor(0xFFFF00);
    circle.setFill(true, 0x0000FF);
    const std::pair<QWidget *, uint32_t> expected[] = {
        {&filled, 0x0000FF}, {&copy, 0x00FF00}, {&opaque, vbc::kButtonFace}, {&cleared, 0x00FF00}, {&circle, 0xFFFF00}};
    int left = 10;
    for (const auto &[control, colour] : expected) {
        control->setGeometry(left, 10, 40, 40);
        control->setVisible(true);
        left += 50;
    }
    form.show();
    const QImage shown = form.grab().toImage();
    for (const auto &[control, colour] : expected)
        EXPECT_EQ(shown.pixelColor(control->pos() + QPoint(1, 1)), vbc::toQColor(colour)) << control->pos().x();
}

// A text box sets its text laying each line out once: it must show the text, scroll across and
// down, and repaint as a plain box given the same text does, for a line of thousands of numbers
// and then for a shorter text.
TEST(Controls, ATextBoxShowsItsTextAsAPlainBoxDoes)
{
    QWidget form;
    form.resize(420, 260);
    VbTextArea area(&form);
    QPlainTextEdit plain(&form);
    plain.setReadOnly(true);
    plain.setLineWrapMode(QPlainTextEdit::NoWrap);
    plain.document()->setDocumentMargin(2);
    plain.setPalette(area.palette());
    for (QPlainTextEdit *box : {static_cast<QPlainTextEdit *>(&area), &plain}) {
        box->resize(400, 120);
        box->setVisible(true);
    }
    plain.move(0, 130);
    form.show();
    QStringList numbers;
    for (int n = 1; n <= 3000; ++n)
        numbers << QString::number(n * 7);
    const QString texts[] = {QStringLiteral("Total: 3000\r\n2 Hits: 3000 (") + numbers.join(QStringLiteral(", "))
                                 + QStringLiteral(")\r\n3 Hits: 0\r\n4\r\n5\r\n6\r\n7"),
                             QStringLiteral("Total: 10\r\n2 Hits: 1 (5)"), QStringLiteral("Total: 10\r\n2 Hits: 1 (6)")};
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } count;
    area.viewport()->installEventFilter(&count);
    for (const QString &text : texts) {
        QCoreApplication::processEvents();
        count.paints = 0;
        area.setText(text);
        plain.setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCoreApplication::processEvents();
        EXPECT_GT(count.paints, 0);
        EXPECT_EQ(area.toPlainText(), plain.toPlainText());
        for (const bool scrolled : {false, true}) {
            for (QPlainTextEdit *box : {static_cast<QPlainTextEdit *>(&area), &plain}) {
                box->horizontalScrollBar()->setValue(scrolled ? box->horizontalScrollBar()->maximum() : 0);
                box->verticalScrollBar()->setValue(scrolled ? box->verticalScrollBar()->maximum() : 0);
            }
            for (const auto bar : {&QPlainTextEdit::horizontalScrollBar, &QPlainTextEdit::verticalScrollBar}) {
                EXPECT_EQ((area.*bar)()->maximum(), (plain.*bar)()->maximum());
                EXPECT_EQ((area.*bar)()->isVisible(), (plain.*bar)()->isVisible());
            }
            EXPECT_EQ(area.grab().toImage(), plain.grab().toImage()) << text.size() << scrolled;
        }
    }
}

// Lines rewritten as many as before stay in their rows, one change of data: the list, as when it
// is filled anew, has no current line, stays where it is scrolled, paints the lines anew and takes
// the width of a new widest line, wider or narrower. Another number of lines is a new list too.
TEST(Controls, ListLinesRewrittenInTheirRowsAreAListFilledAnew)
{
    QWidget form;
    // Line i of a ticket whose line `longer` is longer by `tail`, every other line with `hits`.
    const auto line = [](int i, int hits, int longer, const QString &tail) {
        return QStringLiteral("%1- 1 2 3 (%2)").arg(i, 2, 10, QLatin1Char('0')).arg(i == longer ? 0 : hits)
               + (i == longer ? tail : QString());
    };
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << line(i, 0, -1, QString());
    LineListModel model(lines);
    VbList list(&form);
    list.Move(0, 0, 900, 2250);  // twips: 60 x 150 pixels
    list.setModel(&model);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const auto wholeWidth = [&](int row) {
        QStyleOptionViewItem option;
        option.initFrom(&list);
        return QStyledItemDelegate().sizeHint(option, model.index(row)).width();
    };
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    list.viewport()->installEventFilter(&counter);
    const struct {
        int hits, longer;
        QString tail;
    } rewrites[] = {{0, 7, QStringLiteral(" 4 5 6 7 8 9 10 11 12")}, {0, 200, QStringLiteral(" 4")}, {1, 200, QStringLiteral(" 4")},
                    {1, 250, QStringLiteral(" 4 5")}};
    for (const auto &r : rewrites) {
        list.setListIndex(120);
        QCoreApplication::processEvents();
        const int scrolled = list.verticalScrollBar()->value();
        ASSERT_GT(scrolled, 0);
        model.rewriteLines([&](QStringList earlier) {
            for (qsizetype i = 0; i < earlier.size(); ++i)
                earlier[i] = line(static_cast<int>(i), r.hits, r.longer, r.tail);
            return earlier;
        });
        counter.paints = 0;
        QCoreApplication::processEvents();
        EXPECT_EQ(list.list(r.longer), line(r.longer, r.hits, r.longer, r.tail));
        EXPECT_EQ(list.list(121), line(121, r.hits, r.longer, r.tail));
        EXPECT_GT(counter.paints, 0);
        EXPECT_EQ(std::pair(list.listIndex(), list.verticalScrollBar()->value()), std::pair(-1, scrolled));
        EXPECT_TRUE(list.selectionModel()->selectedIndexes().isEmpty());
        // Every line as wide as the widest, no wider.
        EXPECT_EQ(list.viewport()->width() + list.horizontalScrollBar()->maximum(), wholeWidth(r.longer)) << r.longer;
        EXPECT_EQ(list.visualRect(model.index(121)).width(), wholeWidth(r.longer)) << r.longer;
    }
    list.setListIndex(120);
    model.rewriteLines([](QStringList earlier) { return earlier.mid(1); });
    QCoreApplication::processEvents();
    EXPECT_EQ(list.listCount(), 299);
    EXPECT_EQ(list.listIndex(), -1);
}

// Lines rewritten wider than the list, then back within it, show and hide the scroll bar across:
// the list, lower then higher, keeps its first line and scrolls down as far, and by as many lines
// a page, as its own layout of every line would have it.
TEST(Controls, ListScrollsDownAsItsLayoutWouldWhenTheScrollBarAcrossShowsOrGoes)
{
    struct Probe : VbList {
        using VbList::VbList;
        void layOut() { QListView::updateGeometries(); }
    };
    QWidget form;
    const QString wide = QStringLiteral(" 4 5 6 7 8 9 10 11 12 13 14"), wider = QStringLiteral(" 15 16 17 18 19 20");
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << QStringLiteral("%1- 1 2 3 (0)").arg(i, 3, 10, QLatin1Char('0')) + (i == 5 ? wide : QString());
    LineListModel model(lines);
    Probe list(&form);
    list.setModel(&model);
    QStyleOptionViewItem option;
    option.initFrom(&list);
    const int widest = QStyledItemDelegate().sizeHint(option, model.index(5)).width();
    list.setGeometry(0, 0, widest + 40 + 2 * list.frameWidth() + list.verticalScrollBar()->sizeHint().width(), 150);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    list.verticalScrollBar()->setValue(100);
    const auto down = [&] {
        const QScrollBar *bar = list.verticalScrollBar();
        return std::tuple(bar->value(), bar->maximum(), bar->pageStep());
    };
    for (const QString &tail : {wide + wider, wide}) {
        model.rewriteLines([&](QStringList earlier) {
            earlier[5] = earlier[5].left(12) + tail;
            return earlier;
        });
        QCoreApplication::processEvents();
        EXPECT_EQ(list.horizontalScrollBar()->isVisible(), tail.size() > wide.size());
        const auto shown = down();
        EXPECT_EQ(std::get<0>(shown), 100);
        list.layOut();
        EXPECT_EQ(down(), shown);
    }
}

namespace {

// The first and the last column of `image` holding a pixel of the text (darker than the label's
// light back), within `inside`.
std::pair<int, int> inkColumns(const QImage &image, const QRect &inside)
{
    int first = -1, last = -1;
    for (int x = inside.left(); x <= inside.right(); ++x)
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            if (image.pixelColor(x, y).lightness() < 160) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
    return {first, last};
}

}  // namespace

// A number wider than its label shows whole, narrowed across just enough: drawn at the widest step
// that fits, its ink is the ink of the number set at its own width scaled to that share, placed as
// the label aligns it within its frame and margins, boxed or not; greyed when disabled.
TEST(Controls, ANarrowedNumberIsDrawnWholeWithinItsLabel)
{
    QWidget form;
    form.resize(200, 60);
    VbLabel wide(&form);  // the number at its own width, set from the label's left edge
    wide.setGeometry(0, 0, 190, 24);
    wide.setOpaque(true);
    wide.setBackColor(vbc::kWhite);
    wide.setCaption(QStringLiteral("4060718"));
    const auto [wideFirst, wideLast] = inkColumns(wide.grab().toImage(), wide.contentsRect());
    const qreal exact = QFontMetricsF(wide.font()).horizontalAdvance(wide.text());
    for (int alignment : {0, 1, 2})
        for (bool boxed : {false, true}) {
            const std::string what = "alignment " + std::to_string(alignment) + (boxed ? ", boxed" : "");
            VbLabel label(&form);
            label.setGeometry(10, 30, static_cast<int>(exact * 3 / 4), 24);
            label.setOpaque(true);
            label.setBackColor(vbc::kWhite);
            label.setBorder(boxed);
            label.setAlignment(alignment);
            label.setNarrowToFit(true);
            label.setCaption(wide.caption());
            const QRect room = label.contentsRect();
            const int scale = label.narrowedTo();
            const qreal width = exact * scale / 100;
            EXPECT_TRUE(scale < 100 && width <= room.width() - 2
                        && (scale == 100 - narrowfont::kStep || exact * (scale + narrowfont::kStep) / 100 > room.width() - 2))
                << what << ": " << scale << " of " << exact << " in " << room.width();
            const qreal start = room.left() + (alignment == 0 ? 0 : alignment == 1 ? room.width() - width : (room.width() - width) / 2);
            for (const bool enabled : {true, false}) {
                label.setEnabled(enabled);
                const QImage shown = label.grab().toImage();
                const auto [first, last] = inkColumns(shown, room);
                EXPECT_TRUE(std::abs(first - (start + wideFirst * scale / 100.0)) <= 1.5
                            && std::abs(last + 1 - (start + (wideLast + 1) * scale / 100.0)) <= 1.5)
                    << what << ": ink from " << first << " to " << last << ", the text from " << start << " to "
                    << start + width;
                QColor darkest = Qt::white;
                for (int x = std::max(first, 0); x <= last; ++x)
                    for (int y = 2; y < shown.height() - 2; ++y)
                        if (shown.pixelColor(x, y).lightness() < darkest.lightness())
                            darkest = shown.pixelColor(x, y);
                EXPECT_EQ(darkest.lightness() < 90, enabled) << what << " " << darkest.name().toStdString();
            }
        }
}

// A number is measured as wide as the font sets it, in every font and size the boards may give it,
// hinted or not (where the digits' advances are fractions, or the font kerns them, it is shaped as
// any text is).
TEST(Controls, NumbersAreMeasuredAsWideAsTheirFontSetsThem)
{
    std::vector<QFont> fonts;
    for (const QString &family : {QApplication::font().family(), QStringLiteral("DejaVu Sans Condensed"),
                                  QStringLiteral("DejaVu Serif"), QStringLiteral("DejaVu Sans Mono")})
        for (double points : {6.5, 8.0, 9.75, 14.0})
            for (bool bold : {false, true})
                for (auto hinting : {QFont::PreferDefaultHinting, QFont::PreferNoHinting}) {
                    QFont font(family);
                    font.setPointSizeF(points);
                    font.setBold(bold);
                    font.setHintingPreference(hinting);
                    fonts.push_back(font);
                }
    QStringList numbers = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("11"), QStringLiteral("1741"),
                           QStringLiteral("0123456789"), QStringLiteral("135668"), QStringLiteral("7 1"),
                           QStringLiteral("12.5"), QString()};
    for (int n = 2; n < 40000000; n = n * 7 + 3)
        numbers << QString::number(n);
    for (const QFont &font : fonts)
        for (int round = 0; round < 2; ++round) {  // measured first and again
            for (const QString &number : numbers) {
                const std::string what = font.toString().toStdString() + " \"" + number.toStdString() + '"';
                const int natural = QFontMetrics(font).horizontalAdvance(number);
                ASSERT_EQ(narrowfont::naturalWidth(font, number), natural) << what;
                // Narrowed into less room, it fits with a pixel free on each side, as far as it can.
                for (int room = natural / 2; room < natural; room += std::max(1, natural / 9)) {
                    QFont narrowed = font;
                    narrowed.setStretch(narrowfont::stretchToFit(font, number, room));
                    ASSERT_TRUE(narrowed.stretch() == narrowfont::kNarrowest
                                || QFontMetrics(narrowed).horizontalAdvance(number) <= room - 2)
                        << what << " in " << room;
                }
            }
        }
}
