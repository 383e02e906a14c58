#include "platform/ui/controls.h"

#include "platform/twips.h"
#include "platform/ui/narrowfont.h"

#include <QAbstractItemView>
#include <QAbstractTextDocumentLayout>
#include <QAbstractListModel>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QStyleOption>
#include <QStyledItemDelegate>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>

// ---- VbControl ------------------------------------------------------------------------------

VbControl::VbControl(QWidget *self, QPalette::ColorRole backRole, QPalette::ColorRole foreRole)
    : self_(self), backRole_(backRole), foreRole_(foreRole),
      back_(backRole == QPalette::Base ? vbc::kWindow : vbc::kButtonFace)
{
}

void VbControl::Move(int leftTwips, int topTwips, int widthTwips, int heightTwips)
{
    left_ = leftTwips;
    top_ = topTwips;
    width_ = widthTwips;
    height_ = heightTwips;
    self_->setGeometry(twips::toPixels(leftTwips), twips::toPixels(topTwips),
                       std::max(0, twips::toPixels(widthTwips)), std::max(0, twips::toPixels(heightTwips)));
    fitText();
}

void VbControl::setBackColor(uint32_t colour)
{
    back_ = colour;
    backSet_ = true;
    applyColours();
}

void VbControl::setForeColor(uint32_t colour)
{
    fore_ = colour;
    applyColours();
}

void VbControl::applyColours()
{
    QPalette palette = self_->palette();
    if (backSet_) {
        palette.setColor(backRole_, vbc::toQColor(back_));
        if (backRole_ == QPalette::Window)
            fillsBack_ = true;
    }
    // The fore colour shows while the control is enabled; a disabled control shows its text in
    // grey, readable on the grey of the board and on the white of a box, so that it looks as
    // unavailable as it is.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor colour = group == QPalette::Disabled ? vbc::kDisabledText : vbc::toQColor(fore_);
        palette.setColor(group, foreRole_, colour);
        if (foreRole_ == QPalette::Text)
            palette.setColor(group, QPalette::WindowText, colour);
    }
    self_->setPalette(palette);
}

void VbControl::paintBack()
{
    if (fillsBack_)
        QPainter(self_).fillRect(self_->rect(), self_->palette().brush(self_->backgroundRole()));
}

void VbControl::setFontBold(bool on)
{
    QFont font = self_->font();
    if (font.bold() == on)
        return;
    font.setBold(on);
    self_->setFont(font);
    fitText();
}

void VbControl::setFontSize(double points)
{
    QFont font = self_->font();
    font.setPointSizeF(points);
    self_->setFont(font);
    fitText();
}

void VbControl::setNarrowToFit(bool on)
{
    narrowToFit_ = on;
    fitText();
}

void VbControl::zOrder(int position)
{
    if (position == 0)
        self_->raise();
    else
        self_->lower();
}

void VbControl::setHandCursor(bool on)
{
    if (on)
        self_->setCursor(Qt::PointingHandCursor);
    else
        self_->unsetCursor();
}

void VbControl::copyFrom(const VbControl &other)
{
    // A new element has the template's parent: what the template inherits from it, the element
    // inherits too, and only what was set on the template is set again.
    if (other.self_->testAttribute(Qt::WA_SetFont))
        self_->setFont(other.self_->font());
    self_->setToolTip(other.self_->toolTip());
    self_->setEnabled(other.self_->isEnabled());
    self_->setFocusPolicy(other.self_->focusPolicy());
    if (other.self_->testAttribute(Qt::WA_SetCursor))
        self_->setCursor(other.self_->cursor());
    back_ = other.back_;
    fore_ = other.fore_;
    backSet_ = other.backSet_;
    fillsBack_ = other.fillsBack_;
    narrowToFit_ = other.narrowToFit_;
    // The template's palette is its colours over the parent's palette.
    if (other.self_->testAttribute(Qt::WA_SetPalette))
        self_->setPalette(other.self_->palette());
    else
        applyColours();
    Move(other.left_, other.top_, other.width_, other.height_);
}

void VbControl::focusChanged(QFocusEvent *event, bool in)
{
    switch (event->reason()) {
    case Qt::PopupFocusReason:
    case Qt::ActiveWindowFocusReason:
    case Qt::MenuBarFocusReason:
        return;
    default:
        break;
    }
    const auto &handler = in ? onGotFocus : onLostFocus;
    if (handler)
        handler();
}

// ---- Key codes ------------------------------------------------------------------------------

int keyAsciiOf(const QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Backspace)
        return 8;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return 13;
    if (key == Qt::Key_Escape)
        return 27;
    if ((event->modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    const QString text = event->text();
    if (text.size() == 1) {
        const char16_t c = text.at(0).unicode();
        if (c >= 32 && c != 127)
            return c;
    }
    return 0;
}

bool filterKeyPress(const std::function<void(int &)> &handler, QKeyEvent *event, QWidget *target)
{
    return filterKeyPress(handler, keyAsciiOf(event), target);
}

namespace {

// What a key filter makes of the key `code`: the key to type (the same one, another character, or
// 8 for Backspace), or 0 when it refuses the key.
int filteredKey(const std::function<void(int &)> &handler, int code)
{
    int key = code;
    handler(key);
    return key == code || key == 8 || key >= 32 ? key : 0;
}

}  // namespace

bool filterKeyPress(const std::function<void(int &)> &handler, int original, QWidget *target)
{
    if (!handler || original == 0)
        return false;
    const int key = filteredKey(handler, original);
    if (key == original)
        return false;
    if (key != 0) {
        // The handler put another key in place of the one pressed.
        QKeyEvent replacement(QEvent::KeyPress, key == 8 ? Qt::Key_Backspace : 0, Qt::NoModifier,
                              key == 8 ? QString() : QStringView(QChar::fromUcs4(char32_t(key))).toString());
        QApplication::sendEvent(target, &replacement);
    }
    return true;
}

// ---- Text that comes into a box with a key filter otherwise than key by key ----------------------
// The input method's text, a paste (keys, context menu, middle click), a drop and a key that types
// several characters at once go in character by character, each through the filter as if typed.

namespace {

void typeText(const std::function<void(int &)> &handler, QLineEdit *edit, QStringView text)
{
    if (edit->isReadOnly())
        return;
    for (const uint c : text.toUcs4()) {
        if (c < 32 || c == 127)
            continue;  // line breaks, tabs and other control characters are no typed characters
        // The filter sees the text as typing would have left it so far.
        const int key = filteredKey(handler, static_cast<int>(c));
        if (key == 8)
            edit->backspace();
        else if (key != 0)
            edit->insert(QStringView(QChar::fromUcs4(char32_t(key))).toString());
    }
}

void pasteTyped(const std::function<void(int &)> &handler, QLineEdit *edit, QClipboard::Mode mode)
{
    typeText(handler, edit, QGuiApplication::clipboard()->text(mode));
}

// A paste key, or a key that types more than one character (a character beyond 16 bits, a
// composed sequence): its text goes in as typed. False for any other key.
bool typeKeyText(const std::function<void(int &)> &handler, QLineEdit *edit, QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste))
        pasteTyped(handler, edit, QClipboard::Clipboard);
    else if (event->text().size() > 1 && keyAsciiOf(event) == 0)
        typeText(handler, edit, event->text());
    else
        return false;
    return true;
}

// The input method's event: the text it commits goes in as typed, and the characters it asks to
// replace go only where the filter lets Backspace through (`replace` hands them to the edit's own
// handling). A text still being composed is not shown: the filter decides on what is committed,
// and a composition shown would take the place of selected text that the filter may keep.
void typeInputMethodText(const std::function<void(int &)> &handler, QLineEdit *edit, QInputMethodEvent *event,
                         const std::function<void(QInputMethodEvent *)> &replace)
{
    if (event->replacementLength() > 0 && filteredKey(handler, 8) == 8) {
        QInputMethodEvent replacement;
        replacement.setCommitString(QString(), event->replacementStart(), event->replacementLength());
        replace(&replacement);
    }
    typeText(handler, edit, event->commitString());
    event->accept();
}

// The edit's context menu, whose Paste types what it pastes. Its submenu that inserts Unicode
// control characters (shown for right-to-left languages) is left out: no key types those.
void showMenuTypingPaste(QLineEdit *edit, QContextMenuEvent *event, const std::function<void()> &paste)
{
    QMenu *menu = edit->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString pasteCaption = QLineEdit::tr("&Paste");
    for (QAction *action : menu->actions()) {
        if (action->menu()) {
            action->setVisible(false);
        } else if (action->text().section(u'\t', 0, 0) == pasteCaption) {
            QObject::disconnect(action, nullptr, edit, nullptr);
            QObject::connect(action, &QAction::triggered, edit, paste);
        }
    }
    menu->popup(event->globalPos());
    event->accept();
}

// Dropped text goes in where it is dropped, as typed. It is taken as a copy, so that the program it
// came from keeps its own text however much of it the filter refused; a drop nothing of which is
// taken is refused.
void dropTyped(const std::function<void(int &)> &handler, QLineEdit *edit, QDropEvent *event)
{
    // The drop caret the drag showed goes, as when the drag leaves (the edit's own handling only:
    // the drag is still on).
    QDragLeaveEvent leave;
    static_cast<QObject *>(edit)->event(&leave);
    const QString before = edit->text();
    if (event->mimeData()->hasText() && (event->possibleActions() & Qt::CopyAction)) {
        edit->setCursorPosition(edit->cursorPositionAt(event->position().toPoint()));
        typeText(handler, edit, event->mimeData()->text());
    }
    if (edit->text() == before) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

// A middle click where the system keeps a selection to paste (X11): the selection goes in as typed
// at the place clicked (the press put the cursor there). False for any other click.
bool middleClickTyped(const std::function<void(int &)> &handler, QLineEdit *edit, QMouseEvent *event)
{
    if (event->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection())
        return false;
    if (!edit->isReadOnly()) {
        edit->deselect();
        pasteTyped(handler, edit, QClipboard::Selection);
    }
    event->accept();
    return true;
}

}  // namespace

QFont fncDialogFont(bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

void subFilterDialogKey(const QString &allowed, int &keyAscii)
{
    if (keyAscii == 8 || keyAscii == 13 || keyAscii == 27)
        return;
    if (keyAscii < 0 || keyAscii > 0xFFFF || !allowed.contains(QChar(char16_t(keyAscii))))
        keyAscii = 0;
}

// ---- VbClickableLabel -----------------------------------------------------------------------

void VbClickableLabel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
    // A label takes its own clicks: they never reach the frame or the window beneath it.
    event->accept();
}

void VbClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && onClick)
        onClick();
}

void VbClickableLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && onDblClick)
        onDblClick();
}

// ---- VbLabel --------------------------------------------------------------------------------

QString displayCaption(const QString &caption)
{
    if (!caption.contains(u'&'))
        return caption;
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

VbLabel::VbLabel(QWidget *parent) : VbClickableLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(0);
}

void VbLabel::setCaption(const QString &caption)
{
    if (caption == caption_ && !caption.isEmpty())
        return;
    const bool changed = caption != caption_;
    caption_ = caption;
    setText(displayCaption(caption));
    if (autoSize_)
        fitToText();
    fitText();
    if (changed && onChange)
        onChange();
}

void VbLabel::setAlignment(int vbAlignment)
{
    alignment_ = vbAlignment;
    Qt::Alignment h = Qt::AlignLeft;
    if (vbAlignment == 1)
        h = Qt::AlignRight;
    else if (vbAlignment == 2)
        h = Qt::AlignHCenter;
    QLabel::setAlignment(h | Qt::AlignTop);
}

void VbLabel::setOpaque(bool on)
{
    fillsBack_ = on;
    update();
    if (on && !backSet_)
        setBackColor(back_);
}

void VbLabel::setAutoSize(bool on)
{
    autoSize_ = on;
    if (on)
        fitToText();
}

void VbLabel::setWordWrap(bool on) { QLabel::setWordWrap(on); }

void VbLabel::setBorder(bool on)
{
    setFrameStyle(on ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
}

void VbLabel::fitToText()
{
    const QSize hint = sizeHint();
    Move(left_, top_, twips::fromPixels(hint.width()), twips::fromPixels(hint.height()));
}

void VbLabel::copyFrom(const VbControl &other)
{
    VbControl::copyFrom(other);
    if (auto *label = dynamic_cast<const VbLabel *>(&other)) {
        setAlignment(label->alignment_);
        setFrameStyle(label->frameStyle());
        QLabel::setWordWrap(label->wordWrap());
        autoSize_ = label->autoSize_;
        setCaption(label->caption_);
    }
}

bool VbLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && onMouseMove)
        onMouseMove();
    return QLabel::event(event);
}

void VbLabel::fitText()
{
    const int scale = narrowToFit_ ? narrowfont::scaleToFit(font(), text(), contentsRect().width() - 2 * margin()) : 100;
    if (scale == narrowedTo_)
        return;
    narrowedTo_ = scale;
    update();
}

void VbLabel::paintEvent(QPaintEvent *event)
{
    if (narrowedTo_ == 100) {
        VbClickableLabel::paintEvent(event);
        return;
    }
    // A narrowed text: the label's back and frame as ever, and its text in the label's colour,
    // scaled across to the share of its width that fits between the margins.
    paintBack();
    QPainter painter(this);
    drawFrame(&painter);
    QStyleOption option;
    option.initFrom(this);
    painter.setPen(option.palette.color(foregroundRole()));
    const QRectF room = QRectF(contentsRect()).adjusted(margin(), margin(), -margin(), -margin());
    const qreal scale = narrowedTo_ / 100.0;
    painter.translate(room.left(), 0);
    painter.scale(scale, 1);
    const int flags = int(QStyle::visualAlignment(layoutDirection(), alignment())) | (wordWrap() ? Qt::TextWordWrap : 0);
    painter.drawText(QRectF(0, room.top(), room.width() / scale, room.height()), flags, text());
}

// ---- VbTextBox ------------------------------------------------------------------------------

VbTextBox::VbTextBox(QWidget *parent) : VbWidget<QLineEdit>(parent, QPalette::Base, QPalette::Text)
{
    setFocusPolicy(Qt::StrongFocus);
    setFrame(true);
    back_ = vbc::kWhite;
    QObject::connect(this, &QLineEdit::textChanged, this, [this](const QString &now) {
        if (now == lastText_)
            return;
        lastText_ = now;
        if (onChange)
            onChange();
    });
    QObject::connect(this, &QLineEdit::textChanged, this, [this] { fitText(); });
}

void VbTextBox::setText(const QString &text)
{
    if (text == QLineEdit::text())
        return;
    QLineEdit::setText(text);
    // A text put into a box the user is not typing in shows from its start, whatever its width;
    // in the box the user types in, the cursor stays at the end of the new text.
    if (!hasFocus())
        setCursorPosition(0);
}

void VbTextBox::setAlignment(int vbAlignment)
{
    Qt::Alignment h = Qt::AlignLeft;
    if (vbAlignment == 1)
        h = Qt::AlignRight;
    else if (vbAlignment == 2)
        h = Qt::AlignHCenter;
    QLineEdit::setAlignment(h | Qt::AlignVCenter);
}

void VbTextBox::copyFrom(const VbControl &other)
{
    VbControl::copyFrom(other);
    if (auto *box = dynamic_cast<const VbTextBox *>(&other)) {
        QLineEdit::setAlignment(box->QLineEdit::alignment());
        setReadOnly(box->isReadOnly());
        setMaxLength(box->maxLength());
        setFrame(box->hasFrame());
    }
}

void VbTextBox::keyPressEvent(QKeyEvent *event)
{
    if (onKeyPress && typeKeyText(onKeyPress, this, event))
        return;
    if (filterKeyPress(onKeyPress, event, this))
        return;
    QLineEdit::keyPressEvent(event);
}

void VbTextBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (onKeyPress)
        typeInputMethodText(onKeyPress, this, event, [this](QInputMethodEvent *e) { QLineEdit::inputMethodEvent(e); });
    else
        QLineEdit::inputMethodEvent(event);
}

void VbTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    if (onKeyPress)
        showMenuTypingPaste(this, event, [this] { pasteTyped(onKeyPress, this, QClipboard::Clipboard); });
    else
        QLineEdit::contextMenuEvent(event);
}

void VbTextBox::dropEvent(QDropEvent *event)
{
    if (onKeyPress)
        dropTyped(onKeyPress, this, event);
    else
        QLineEdit::dropEvent(event);
}

void VbTextBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (!onKeyPress || !middleClickTyped(onKeyPress, this, event))
        QLineEdit::mouseReleaseEvent(event);
}

void VbTextBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    if (onDblClick)
        onDblClick();
}

bool VbTextBox::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && onMouseMove)
        onMouseMove();
    return QLineEdit::event(event);
}

void VbTextBox::fitText()
{
    if (!narrowToFit_)
        return;
    // The box shows its text unscrolled when the text and the cursor fit within its frame and the
    // 2 pixels it keeps free on each side.
    const int frame = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
    const int room = width() - 2 * frame - 4 - textMargins().left() - textMargins().right() - 1;
    narrowfont::fitWidget(*this, text(), room);
}

// ---- VbTextArea -----------------------------------------------------------------------------

VbTextArea::VbTextArea(QWidget *parent) : VbWidget<QPlainTextEdit>(parent, QPalette::Base, QPalette::Text)
{
    back_ = vbc::kWhite;
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    document()->setDocumentMargin(2);
    // A line of a summary can run to thousands of numbers. Its glyphs, set when the text is laid
    // out, are kept from the first layout on (the change is told before the layout), so that
    // neither a layout again (the box's scroll bars come and go) nor the paint sets the whole line
    // again to draw the part of it the box shows.
    QObject::connect(document(), &QTextDocument::contentsChange, this, [this](int from, int, int added) {
        for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() <= from + added;
             block = block.next())
            block.layout()->setCacheEnabled(true);
    });
}

void VbTextArea::setText(const QString &text)
{
    if (text == text_)
        return;
    text_ = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // While the text is set, the document's layout tells the box of every change of the document's
    // size, and the box answers by laying out the lines it asks about before the layout has done
    // with them: a long line was set twice. The box hears of the size once, every line laid out.
    QAbstractTextDocumentLayout *layout = document()->documentLayout();
    {
        const QSignalBlocker quiet(layout);
        setPlainText(shown);
    }
    emit layout->documentSizeChanged(layout->documentSize());
    viewport()->update();
    if (onChange)
        onChange();
}

// ---- VbButton -------------------------------------------------------------------------------

VbButton::VbButton(QWidget *parent) : VbWidget<QPushButton>(parent, QPalette::Button, QPalette::ButtonText)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    QObject::connect(this, &QPushButton::clicked, this, [this] {
        if (onClick)
            onClick();
    });
}

// ---- VbCheck --------------------------------------------------------------------------------

VbCheck::VbCheck(QWidget *parent) : VbWidget<QCheckBox>(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    QObject::connect(this, &QCheckBox::stateChanged, this, [this] {
        if (onClick)
            onClick();
    });
}

int VbCheck::value() const
{
    switch (checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

void VbCheck::setValue(int value)
{
    const Qt::CheckState state =
        value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
    if (state == Qt::PartiallyChecked)
        setTristate(true);
    // The same state again changes nothing, and is not painted again.
    if (state != checkState())
        setCheckState(state);
}

void VbCheck::nextCheckState()
{
    // A click ticks a greyed or unticked box and unticks a ticked one.
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

bool VbCheck::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && onMouseMove)
        onMouseMove();
    return QCheckBox::event(event);
}

// ---- VbOption -------------------------------------------------------------------------------

VbOption::VbOption(QWidget *parent) : VbWidget<QRadioButton>(parent)
{
    setAutoExclusive(false);
    setFocusPolicy(Qt::StrongFocus);
    QObject::connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            becameChecked();
    });
}

void VbOption::setValue(bool on) { setChecked(on); }

void VbOption::nextCheckState()
{
    if (!isChecked())
        setChecked(true);
}

void VbOption::becameChecked()
{
    if (QWidget *parent = parentWidget()) {
        for (QObject *child : parent->children()) {
            auto *sibling = dynamic_cast<VbOption *>(child);
            if (sibling && sibling != this && sibling->isChecked())
                sibling->setChecked(false);
        }
    }
    if (onClick)
        onClick();
}

// ---- VbCombo --------------------------------------------------------------------------------

// The combo's edit field, which takes the mouse's text (a paste from its context menu or with a
// middle click, a drop) through the combo's key filter. Keys and the input method's text come to
// the combo itself.
class VbCombo::EditField : public QLineEdit {
public:
    explicit EditField(VbCombo *combo) : QLineEdit(combo), combo_(combo) {}

protected:
    void contextMenuEvent(QContextMenuEvent *event) override
    {
        if (combo_->onKeyPress)
            showMenuTypingPaste(this, event, [this] { pasteTyped(combo_->onKeyPress, this, QClipboard::Clipboard); });
        else
            QLineEdit::contextMenuEvent(event);
    }
    void dropEvent(QDropEvent *event) override
    {
        if (combo_->onKeyPress)
            dropTyped(combo_->onKeyPress, this, event);
        else
            QLineEdit::dropEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (!combo_->onKeyPress || !middleClickTyped(combo_->onKeyPress, this, event))
            QLineEdit::mouseReleaseEvent(event);
    }

private:
    VbCombo *combo_;
};

VbCombo::VbCombo(QWidget *parent) : VbWidget<QComboBox>(parent, QPalette::Base, QPalette::Text)
{
    back_ = vbc::kWhite;
    // Editable from the start, through its own edit field: setEditable would also make the drop-down
    // list's window, which waits here until the list first drops down.
    setLineEdit(new EditField(this));
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setFocusPolicy(Qt::StrongFocus);
    QObject::connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        lastText_ = currentText();
        if (index >= 0 && !selecting_ && onClick)
            onClick();
    });
    QObject::connect(this, &QComboBox::editTextChanged, this, [this](const QString &now) {
        if (now == lastText_)
            return;
        lastText_ = now;
        // Selecting an entry writes its text into the edit field first: that is no Change.
        if (selecting_ || (currentIndex() >= 0 && now == itemText(currentIndex())))
            return;
        if (onChange)
            onChange();
    });
    QObject::connect(this, &QComboBox::editTextChanged, this, [this] { fitText(); });
}

void VbCombo::setListIndex(int index)
{
    if (index == currentIndex())
        return;
    if (index < 0 || index >= count()) {
        selecting_ = true;
        setCurrentIndex(-1);
        selecting_ = false;
        return;
    }
    setCurrentIndex(index);
}

void VbCombo::addItem(const QString &text, const QVariant &data)
{
    if (entries_) {
        // The made entries become items, then the new one is added.
        const int n = count();
        std::vector<std::pair<QString, QVariant>> items;
        items.reserve(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            items.emplace_back(itemText(i), QComboBox::itemData(i));
        const int selected = currentIndex();
        const QString keep = currentText();
        selecting_ = true;
        useItemList();
        for (const auto &[t, d] : items)
            QComboBox::addItem(t, d);
        setCurrentIndex(selected);
        if (selected < 0)
            setEditText(keep);
        selecting_ = false;
    }
    const bool first = count() == 0;
    const QString keep = currentText();
    selecting_ = true;
    QComboBox::addItem(text, data);
    // An editable combo selects its first entry by itself; the program's combos do not.
    if (first) {
        setCurrentIndex(-1);
        setEditText(keep);
    }
    selecting_ = false;
    lastText_ = currentText();
}

// The entries of setEntries: a row count and the functions that make a row's text and data.
class VbCombo::EntryModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void set(int count, std::function<QString(int)> text, std::function<QVariant(int)> data)
    {
        beginResetModel();
        count_ = std::max(count, 0);
        text_ = std::move(text);
        data_ = std::move(data);
        endResetModel();
    }
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : count_; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= count_)
            return {};
        if ((role == Qt::DisplayRole || role == Qt::EditRole) && text_)
            return text_(index.row());
        if (role == Qt::UserRole && data_)
            return data_(index.row());
        return {};
    }

private:
    int count_ = 0;
    std::function<QString(int)> text_;
    std::function<QVariant(int)> data_;
};

void VbCombo::setEntries(int count, std::function<QString(int index)> text, std::function<QVariant(int index)> data)
{
    const QString keep = currentText();
    selecting_ = true;
    useEntryList();
    entries_->set(count, std::move(text), std::move(data));
    setCurrentIndex(-1);
    setEditText(keep);
    selecting_ = false;
    lastText_ = currentText();
}

void VbCombo::prepareEntries()
{
    if (!entries_ && count() == 0)
        setEntries(0, {});
}

void VbCombo::useEntryList()
{
    if (entries_)
        return;
    // The items there are go with the item list, which the entry list takes the place of.
    entries_ = new EntryModel(this);
    setModel(entries_);
    // Sizing to the contents would measure every entry.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

void VbCombo::showPopup()
{
    // The entries made from their position are all one line high: the list need not measure each.
    if (entries_)
        if (auto *list = qobject_cast<QListView *>(view()))
            list->setUniformItemSizes(true);
    fitListWidth();
    QComboBox::showPopup();
}

void VbCombo::fitListWidth()
{
    QAbstractItemView *list = view();
    int widest = 0;
    const auto measure = [&](int row) {
        widest = std::max(widest, list->sizeHintForIndex(model()->index(row, modelColumn(), rootModelIndex())).width());
    };
    const int rows = count();
    if (entries_ && rows > 0) {
        measure(0);
        measure(rows - 1);
    } else {
        for (int row = 0; row < rows; ++row)
            measure(row);
    }
    const int scrollBar = rows > maxVisibleItems() ? list->verticalScrollBar()->sizeHint().width() : 0;
    list->setMinimumWidth(widest + scrollBar + 2 * list->frameWidth());
}

void VbCombo::fitText()
{
    if (!narrowToFit_ || !lineEdit())
        return;
    // The edit field's place within the box, less the 2 pixels it keeps free on each side and
    // the cursor.
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const int room = field.width() - 5;
    const int stretch = narrowfont::stretchToFit(font(), currentText(), room);
    if (lineEdit()->font().stretch() == stretch)
        return;
    // Only the width set on the field: the rest of its font is the box's.
    QFont narrowed;
    if (stretch != QFont::AnyStretch)
        narrowed.setStretch(stretch);
    lineEdit()->setFont(narrowed);
}

void VbCombo::useItemList()
{
    if (!entries_)
        return;
    // The combo deletes the entry model, its child, when the item list takes its place.
    setModel(new QStandardItemModel(0, 1, this));
    entries_ = nullptr;
    setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
}

void VbCombo::clear()
{
    selecting_ = true;
    if (entries_) {
        // The list of made entries stays, with none.
        const QString keep = currentIndex() < 0 ? currentText() : QString();
        if (count() > 0)
            entries_->set(0, {}, {});
        setCurrentIndex(-1);
        setEditText(keep);
    } else {
        QComboBox::clear();
    }
    selecting_ = false;
    lastText_ = currentText();
}

void VbCombo::setText(const QString &text)
{
    if (currentIndex() != -1) {
        selecting_ = true;
        const QString before = currentText();
        setCurrentIndex(-1);
        setEditText(before);
        lastText_ = before;
        selecting_ = false;
    }
    setEditText(text);
}

namespace {

// The code of a key that edits a combo's text: its character, or for an editing key without one
// the control code of the same edit (Delete 127, cut Ctrl+X, undo Ctrl+Z, redo Ctrl+Y), so that a
// key filter sees every key that would change the text. (A paste's characters are seen one by one.)
int comboKeyAscii(const QKeyEvent *event)
{
    if (const int code = keyAsciiOf(event))
        return code;
    const std::pair<QKeySequence::StandardKey, int> edits[] = {
        {QKeySequence::Cut, 24}, {QKeySequence::Undo, 26}, {QKeySequence::Redo, 25},
        {QKeySequence::Delete, 127}, {QKeySequence::DeleteEndOfWord, 127}, {QKeySequence::DeleteEndOfLine, 127},
        {QKeySequence::DeleteCompleteLine, 127},
    };
    for (const auto &[edit, code] : edits)
        if (event->matches(edit))
            return code;
    return 0;
}

}  // namespace

void VbCombo::keyPressEvent(QKeyEvent *event)
{
    // The keys typed into a combo arrive at the combo itself, which hands them on to its edit field.
    if (onKeyPress && typeKeyText(onKeyPress, lineEdit(), event))
        return;
    if (filterKeyPress(onKeyPress, comboKeyAscii(event), lineEdit()))
        return;
    QComboBox::keyPressEvent(event);
}

void VbCombo::inputMethodEvent(QInputMethodEvent *event)
{
    if (onKeyPress)
        typeInputMethodText(onKeyPress, lineEdit(), event, [this](QInputMethodEvent *e) { QComboBox::inputMethodEvent(e); });
    else
        QComboBox::inputMethodEvent(event);
}

// ---- VbList ---------------------------------------------------------------------------------

// Lines of one size, so that no line is cut short: each shows as wide as the widest line (or the
// list, when that is wider), and the list scrolls across to the end of the widest. A model of lines
// may tell that its lines, rewritten in their rows, stay within a reach (the ticket's hits): the
// widest is then the line that reaches farthest, and rewrites within the reach neither show nor
// hide the scroll bar across. The list lays
// them out in the room it keeps for them (laidOutSize_), wider than the widest line, so that lines
// rewritten a little wider or narrower move nothing and need no layout.
class VbList::LineDelegate : public QStyledItemDelegate {
public:
    explicit LineDelegate(VbList *list) : QStyledItemDelegate(list), list_(list) {}

    // The size a line takes for its text alone.
    QSize textSize(const QStyleOptionViewItem &option, const QModelIndex &index) const
    {
        return QStyledItemDelegate::sizeHint(option, index);
    }
    // The size a line takes for `text` in its place.
    QSize textSize(const QStyleOptionViewItem &option, const QModelIndex &index, const QString &text) const
    {
        QStyleOptionViewItem line(option);
        initStyleOption(&line, index);
        line.text = text;
        const QWidget *widget = option.widget;
        return (widget ? widget->style() : QApplication::style())->sizeFromContents(QStyle::CT_ItemViewItem, &line, QSize(), widget);
    }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return list_->laidOutSize_.isValid() ? list_->laidOutSize_ : textSize(option, index);
    }
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem line(option);
        line.rect.setWidth(list_->lineWidth());
        initStyleOption(&line, index);
        const QStyle *style = line.widget ? line.widget->style() : QApplication::style();
        if (!paintText(painter, line, style))
            style->drawControl(QStyle::CE_ItemViewItem, &line, painter, line.widget);
    }

private:
    // Paints a line of text alone (no check box, no picture, not being edited) as the Fusion style
    // paints an item of a view, which lays the text out once to measure it, again to place it and
    // again to draw it: here it is laid out once. False, nothing painted, for any other line or
    // style, and for a text wider than its room, which the style shortens.
    static bool paintText(QPainter *painter, const QStyleOptionViewItem &line, const QStyle *style)
    {
        const QWidget *widget = line.widget;
        if (style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0 || line.text.isEmpty()
            || (line.features & (QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration
                                 | QStyleOptionViewItem::WrapText))
            || (line.state & QStyle::State_Editing) || line.decorationPosition != QStyleOptionViewItem::Left)
            return false;
        // The text takes the whole line, less a margin on either side.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect room = line.rect.adjusted(margin, 0, -margin, 0);
        QTextOption options;
        options.setWrapMode(QTextOption::ManualWrap);
        options.setTextDirection(line.direction);
        options.setAlignment(QStyle::visualAlignment(line.direction, line.displayAlignment));
        QTextLayout layout(line.text, line.font);
        layout.setTextOption(options);
        layout.setCacheEnabled(true);
        layout.beginLayout();
        QTextLine text = layout.createLine();
        text.setLineWidth(room.width());
        text.setPosition(QPointF(0, 0));
        const bool oneLine = !layout.createLine().isValid();
        layout.endLayout();
        if (!oneLine || text.naturalTextWidth() > room.width())
            return false;

        painter->save();
        painter->setClipRect(line.rect);
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &line, painter, widget);
        const QPalette::ColorGroup enabled = line.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        const QPalette::ColorGroup group = enabled == QPalette::Normal && !(line.state & QStyle::State_Active) ? QPalette::Inactive : enabled;
        painter->setPen(line.palette.color(group, line.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        // Placed as the style places it: the height of its line in whole pixels, aligned in the room.
        const int height = static_cast<int>(text.height());
        const QRect placed = QStyle::alignedRect(line.direction, line.displayAlignment, QSize(room.width(), height), room);
        layout.draw(painter, QPointF(room.x(), placed.top()));
        if (line.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(line);
            focus.rect = style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &line, widget);
            focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
            focus.backgroundColor = line.palette.color(enabled, line.state & QStyle::State_Selected ? QPalette::Highlight : QPalette::Window);
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
        }
        painter->restore();
        return true;
    }

    VbList *list_;
};

VbList::VbList(QWidget *parent) : VbWidget<QListView>(parent, QPalette::Base, QPalette::Text)
{
    back_ = vbc::kWhite;
    delegate_ = new LineDelegate(this);
    setItemDelegate(delegate_);
    setModel(&own_);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusPolicy(Qt::StrongFocus);
}

void VbList::setModel(QAbstractItemModel *model)
{
    if (!model)
        model = &own_;
    if (model == QListView::model())
        return;
    QItemSelectionModel *earlierSelection = selectionModel();
    if (QAbstractItemModel *earlier = QListView::model())
        QObject::disconnect(earlier, nullptr, this, nullptr);
    QListView::setModel(model);
    lineModel_ = dynamic_cast<const LineListModel *>(model);
    if (earlierSelection && earlierSelection->parent() == this)
        delete earlierSelection;
    QObject::connect(model, &QAbstractItemModel::modelReset, this, [this] { linesReplaced(); });
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, this,
                     [this](const QModelIndex &, int first, int last) { rowsRemoved(first, last); });
    QObject::connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
                     [this](const QModelIndex &current) { selectionMoved(current.isValid() ? current.row() : -1); });
    lastIndex_ = -1;
    findWidestLine();
}

QString VbList::list(int index) const { return model()->data(model()->index(index, 0)).toString(); }

void VbList::addItem(const QString &line) { own_.appendLine(line); }

void VbList::setLines(const QStringList &lines) { own_.setLines(lines); }

void VbList::removeItem(int index) { own_.removeLine(index); }

void VbList::clear() { own_.clear(); }

void VbList::linesReplaced()
{
    // No line is current, as after a selection taken away by code.
    setCurrentIndex(QModelIndex());
    lastIndex_ = -1;
    findWidestLine();
}

void VbList::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QListView::rowsInserted(parent, start, end);
    if (widestRow_ >= start)
        widestRow_ += end - start + 1;
    for (int row = start; row <= end; ++row)
        if (const int length = lineLength(row); widestRow_ < 0 || length > widestLength_)
            widestLineAt(row, length);
}

void VbList::dataChanged(const QModelIndex &, const QModelIndex &, const QList<int> &)
{
    // Lines rewritten in their rows are a list filled anew, as after a reset: no line is current
    // or selected, and the list stays where it was scrolled. Every line takes the size of the
    // widest (uniform item sizes), so new texts move no line: the lines in view are painted anew,
    // and every line is laid out again only when the widest takes another size.
    selectionModel()->clear();
    linesReplaced();
    viewport()->update();
}

void VbList::changeEvent(QEvent *event)
{
    VbWidget<QListView>::changeEvent(event);
    // Another font or style gives the lines another size.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        widestSize_ = QSize();
        laidOutSize_ = QSize();
        findWidestLine();
    }
}

QRect VbList::visualRect(const QModelIndex &index) const
{
    QRect rect = QListView::visualRect(index);
    if (rect.isValid())
        rect.setWidth(lineWidth());
    return rect;
}

void VbList::updateGeometries()
{
    // The list reaches across to the end of the widest line, not of the room kept for the lines.
    resizeContents(std::max(widestSize_.width(), 0), contentsSize().height());
    QListView::updateGeometries();
}

void VbList::resizeEvent(QResizeEvent *event)
{
    // Lines of one size, more than the list shows, made lower or higher (a scroll bar across shows
    // or goes) change only how many lines a page down holds: the list's own update of its geometry
    // would work that out after going through every line.
    const int lines = listCount();
    const int height = laidOutSize_.height();
    const bool lowerOrHigher = event->oldSize().isValid() && event->size().width() == event->oldSize().width();
    if (!lowerOrHigher || !laidOutSize_.isValid() || state() != NoState || geometry().isEmpty()
        || lines * height <= viewport()->height()) {
        QListView::resizeEvent(event);
        return;
    }
    // A page holds the lines whole in view; the list scrolls down to the line that starts the last.
    const int page = viewport()->height() / height;
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setPageStep(page);
    verticalScrollBar()->setRange(0, lines - page);
    QAbstractItemView::updateGeometries();
}

int VbList::lineWidth() const { return std::max(widestSize_.width(), viewport()->width() - 2 * spacing()); }

void VbList::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    // The current line moves away from the lines removed without a Click.
    silent_ = true;
    QListView::rowsAboutToBeRemoved(parent, start, end);
}

void VbList::rowsRemoved(int start, int end)
{
    selectionModel()->clear();
    setCurrentIndex(QModelIndex());
    lastIndex_ = -1;
    silent_ = false;
    if (widestRow_ >= start && widestRow_ <= end)
        findWidestLine();
    else if (widestRow_ > end)
        widestRow_ -= end - start + 1;
}

int VbList::lineLength(int row) const
{
    // A model of lines is read directly: a ticket of 32000 lines is laid out on every DRAW.
    return static_cast<int>(lineModel_ ? lineModel_->reachLength(row) : list(row).size());
}

void VbList::findWidestLine()
{
    // A model of lines is read directly: a ticket of 32000 lines is looked through at every DRAW
    // and Compare.
    if (const LineListModel *model = lineModel_) {
        const LineListModel::Reach farthest = model->farthestReach();
        widestLineAt(farthest.row, static_cast<int>(farthest.length));
        return;
    }
    int widest = -1;
    int longest = -1;
    for (int row = 0, rows = listCount(); row < rows; ++row)
        if (const int length = lineLength(row); length > longest) {
            widest = row;
            longest = length;
        }
    widestLineAt(widest, longest);
}

void VbList::widestLineAt(int row, int length)
{
    widestRow_ = row;
    widestLength_ = length;
    QSize size;
    if (row >= 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QModelIndex index = model()->index(row, 0);
        size = lineModel_ ? delegate_->textSize(option, index, lineModel_->reachText(row)) : delegate_->textSize(option, index);
    }
    if (size == widestSize_)
        return;
    widestSize_ = size;
    if (size.isValid() && size.height() == laidOutSize_.height() && size.width() <= laidOutSize_.width()) {
        // Within the room of the lines: only the list's reach across changes, which the list's
        // update of its geometry would set as here, after a look at every line's place down.
        resizeContents(size.width(), contentsSize().height());
        horizontalScrollBar()->setRange(0, std::max(0, size.width() - viewport()->width()));
        viewport()->update();
        return;
    }
    // Room for lines half as wide again as the widest, laid out on a grid of that size: no line is
    // measured on the way.
    laidOutSize_ = size.isValid() ? QSize(size.width() + size.width() / 2, size.height()) : QSize();
    setGridSize(laidOutSize_);
    scheduleDelayedItemsLayout();
}

int VbList::listIndex() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void VbList::setListIndex(int index)
{
    if (index == listIndex())
        return;
    if (index < 0 || index >= listCount()) {
        selectionModel()->clear();
        setCurrentIndex(QModelIndex());
        return;
    }
    setCurrentIndex(model()->index(index, 0));
}

void VbList::selectionMoved(int index)
{
    if (silent_ || index == lastIndex_) {
        lastIndex_ = index;
        return;
    }
    lastIndex_ = index;
    if (index >= 0 && onClick)
        onClick();
}

// ---- VbScrollBar ----------------------------------------------------------------------------

VbScrollBar::VbScrollBar(QWidget *parent) : VbWidget<QScrollBar>(parent)
{
    setOrientation(Qt::Horizontal);
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    QObject::connect(this, &QScrollBar::valueChanged, this, [this] {
        if (onChange)
            onChange();
    });
    QObject::connect(this, &QScrollBar::sliderMoved, this, [this] {
        if (onScroll)
            onScroll();
    });
}

// ---- VbPicture ------------------------------------------------------------------------------

VbPicture::VbPicture(QWidget *parent) : VbClickableLabel(parent)
{
    QLabel::setAlignment(Qt::AlignCenter);
}

void VbPicture::setPicture(const QPixmap &picture)
{
    // The same picture again changes nothing on the screen: no repaint.
    if (picture.cacheKey() == picture_.cacheKey())
        return;
    picture_ = picture;
    setPixmap(picture);
}

void VbPicture::copyFrom(const VbControl &other)
{
    VbControl::copyFrom(other);
    if (auto *pic = dynamic_cast<const VbPicture *>(&other)) {
        setScaledContents(pic->hasScaledContents());
        setFrameStyle(pic->frameStyle());
    }
}

// ---- VbShape --------------------------------------------------------------------------------

VbShape::VbShape(QWidget *parent) : VbWidget<QWidget>(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void VbShape::setKind(Kind kind)
{
    kind_ = kind;
    update();
}

void VbShape::setFill(bool filled, uint32_t fillColour)
{
    filled_ = filled;
    fillColour_ = fillColour;
    update();
}

void VbShape::setBorder(bool visible, uint32_t colour, int widthPixels)
{
    border_ = visible;
    borderColour_ = colour;
    borderWidth_ = widthPixels;
    update();
}

void VbShape::copyFrom(const VbControl &other)
{
    VbControl::copyFrom(other);
    if (auto *shape = dynamic_cast<const VbShape *>(&other)) {
        kind_ = shape->kind_;
        filled_ = shape->filled_;
        fillColour_ = shape->fillColour_;
        border_ = shape->border_;
        borderColour_ = shape->borderColour_;
        borderWidth_ = shape->borderWidth_;
    }
}

void VbShape::paintEvent(QPaintEvent *)
{
    paintBack();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, kind_ >= Oval);
    QRectF r = rect();
    if (kind_ == Square || kind_ == Circle || kind_ == RoundedSquare) {
        const qreal side = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    const qreal inset = border_ ? borderWidth_ / 2.0 : 0.0;
    r.adjust(inset, inset, -inset, -inset);
    if (backSet_ && !filled_)
        painter.fillRect(rect(), vbc::toQColor(back_));
    painter.setBrush(filled_ ? QBrush(vbc::toQColor(fillColour_)) : QBrush(Qt::NoBrush));
    painter.setPen(border_ ? QPen(vbc::toQColor(borderColour_), borderWidth_) : QPen(Qt::NoPen));
    switch (kind_) {
    case Oval:
    case Circle: painter.drawEllipse(r); break;
    case RoundedRectangle:
    case RoundedSquare: painter.drawRoundedRect(r, 6, 6); break;
    default: painter.drawRect(r); break;
    }
}

// ---- VbLine ---------------------------------------------------------------------------------

VbLine::VbLine(QWidget *parent) : VbWidget<QWidget>(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void VbLine::setPoints(int x1, int y1, int x2, int y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const int pad = twips::fromPixels(widthPx_);
    Move(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + pad, std::abs(y2 - y1) + pad);
    update();
}

void VbLine::setLineColor(uint32_t colour, int widthPixels)
{
    colour_ = colour;
    widthPx_ = widthPixels;
    setPoints(x1_, y1_, x2_, y2_);
}

void VbLine::paintEvent(QPaintEvent *)
{
    paintBack();
    QPainter painter(this);
    painter.setPen(QPen(vbc::toQColor(colour_), widthPx_));
    const int ox = std::min(x1_, x2_);
    const int oy = std::min(y1_, y2_);
    painter.drawLine(twips::toPixels(x1_ - ox), twips::toPixels(y1_ - oy), twips::toPixels(x2_ - ox),
                     twips::toPixels(y2_ - oy));
}

// ---- VbFrame --------------------------------------------------------------------------------

VbFrame::VbFrame(QWidget *parent) : VbWidget<QGroupBox>(parent) {}

void VbFrame::paintEvent(QPaintEvent *)
{
    paintBack();
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect box = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.adjusted(1, 1, 0, 0));
    const QString text = displayCaption(title());
    if (text.isEmpty())
        return;
    const QRect caption(8, 0, metrics.horizontalAdvance(text) + 6, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, text);
}

void VbFrame::mousePressEvent(QMouseEvent *event)
{
    QGroupBox::mousePressEvent(event);
    // A frame takes its own clicks: they never reach the window beneath it.
    event->accept();
    if (event->button() == Qt::LeftButton && onClick)
        onClick();
}

// ---- Windows --------------------------------------------------------------------------------

void setClientSizeTwips(QWidget *window, int widthTwips, int heightTwips)
{
    window->resize(twips::toPixels(widthTwips), twips::toPixels(heightTwips));
}

void setWindowBackColor(QWidget *window, uint32_t colour)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, vbc::toQColor(colour));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void doEvents()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
