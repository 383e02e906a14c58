#include "support/textfit.h"

#include "platform/ui/controls.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QWidget>
#include <cmath>

namespace {

QString nameOf(const QWidget *widget, const QString &text)
{
    const QString name = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                        : widget->objectName();
    return name + QStringLiteral(" \"") + text + u'"';
}

struct Line {
    QString text;
    double width = 0;
};

// `text` laid out line by line as a word-wrapped label lays it out at `width` pixels.
QList<Line> layoutLines(const QString &text, const QFont &font, int width)
{
    QList<Line> lines;
    for (const QString &paragraph : text.split(u'\n')) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        const qsizetype before = lines.size();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines.append(Line{paragraph.mid(line.textStart(), line.textLength()), line.naturalTextWidth()});
        }
        layout.endLayout();
        if (lines.size() == before)
            lines.append(Line{});
    }
    return lines;
}

QSize wrappedSize(const QString &text, const QFont &font, int width)
{
    const QList<Line> lines = layoutLines(text, font, width);
    double widest = 0;
    for (const Line &line : lines)
        widest = std::max(widest, line.width);
    return {static_cast<int>(std::ceil(widest)), static_cast<int>(lines.size()) * QFontMetrics(font).lineSpacing()};
}

QString labelProblem(const QLabel *label)
{
    const QString text = label->text();
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                      -label->margin());
    QSize needed;
    if (label->wordWrap()) {
        needed = wrappedSize(text, label->font(), room.width());
    } else {
        const QFontMetrics metrics(label->font());
        int widest = 0;
        const QStringList lines = text.split(u'\n');
        for (const QString &line : lines)
            widest = std::max(widest, drawnWidth(label, line));
        needed = QSize(widest, static_cast<int>(lines.size()) * metrics.lineSpacing());
    }
    if (needed.width() > room.width() || needed.height() > room.height() + 1)
        return nameOf(label, text) + QStringLiteral(" needs %1x%2, has %3x%4")
                                         .arg(needed.width())
                                         .arg(needed.height())
                                         .arg(room.width())
                                         .arg(room.height());
    return {};
}

QString buttonProblem(const QAbstractButton *button)
{
    QString text = button->text();
    text.remove(u'&');
    // A push button's frame and margins, as the style draws them around the text.
    QStyleOptionButton option;
    option.initFrom(button);
    const QSize frame = button->style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(0, 0), button);
    const int needed = QFontMetrics(button->font()).horizontalAdvance(text) + std::min(frame.width(), 8);
    if (needed > button->width())
        return nameOf(button, text) + QStringLiteral(" needs %1, has %2").arg(needed).arg(button->width());
    return {};
}

QString lineEditProblem(const QLineEdit *box)
{
    // Room for the text: the box less its frame (none for the edit field of a combo box) and the
    // text margins Qt keeps.
    const int frame = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box) : 0;
    const int room = box->width() - 2 * frame - 4 - box->textMargins().left() - box->textMargins().right();
    const int needed = QFontMetrics(box->font()).horizontalAdvance(box->text());
    if (needed > room)
        return nameOf(box, box->text()) + QStringLiteral(" needs %1, has %2").arg(needed).arg(room);
    return {};
}

}  // namespace

int drawnWidth(const QLabel *label, const QString &line)
{
    const auto *own = dynamic_cast<const VbLabel *>(label);
    if (!own || own->narrowedTo() == 100)
        return QFontMetrics(label->font()).horizontalAdvance(line);
    return static_cast<int>(std::ceil(QFontMetricsF(label->font()).horizontalAdvance(line) * own->narrowedTo() / 100));
}

QStringList clippedTexts(const QWidget *window)
{
    QStringList problems;
    const QRect inside = window->rect();
    QList<const QWidget *> widgets{window};
    for (const QWidget *child : window->findChildren<QWidget *>())
        widgets.append(child);
    for (const QWidget *widget : widgets) {
        if (!widget->isVisibleTo(window) && widget != window)
            continue;
        QString problem;
        QString text;
        if (const auto *label = qobject_cast<const QLabel *>(widget); label && !label->text().isEmpty()) {
            text = label->text();
            problem = labelProblem(label);
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget); button && !button->text().isEmpty()) {
            text = button->text();
            problem = buttonProblem(button);
        } else if (const auto *box = qobject_cast<const QLineEdit *>(widget); box && !box->text().isEmpty()) {
            text = box->text();
            problem = lineEditProblem(box);
        }
        if (!problem.isEmpty())
            problems << problem;
        if (!text.isEmpty() && widget != window) {
            const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
            if (!inside.contains(area))
                problems << nameOf(widget, text) + QStringLiteral(" reaches outside its window");
        }
    }
    return problems;
}

QStringList wrappedLines(const QString &text, const QFont &font, int width)
{
    QStringList lines;
    for (const Line &line : layoutLines(text, font, width))
        lines << line.text;
    return lines;
}

QString shownText(QLineEdit *box)
{
    // The paint scrolls the text so that the cursor stands within the box.
    box->grab();
    const QString text = box->displayText();
    const QFontMetricsF metrics(box->font());
    const int frame = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box) : 0;
    // The text area: the box less its frame, its text margins and the 2 pixels Qt keeps each side.
    const double left = frame + box->textMargins().left() + 2;
    const double right = box->width() - frame - box->textMargins().right() - 2;
    // Where the text begins: left of the cursor (the middle of the rectangle the box gives for
    // it) by the width of the text before the cursor.
    const double start = box->inputMethodQuery(Qt::ImCursorRectangle).toRectF().center().x()
                         - metrics.horizontalAdvance(text.left(box->cursorPosition()));
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const double from = start + metrics.horizontalAdvance(text.left(i));
        const double to = start + metrics.horizontalAdvance(text.left(i + 1));
        if (from >= left - 0.5 && to <= right + 0.5)
            shown += text[i];
    }
    return shown;
}
