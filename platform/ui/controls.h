#pragma once
// The controls every window of the program is built from. They behave as the program's windows
// expect:
// - positions and sizes are kept in twips, relative to the parent's client area;
// - colours are kept as the program's colour values and shown through the palette, so code can
//   ask a control for the colour it was given;
// - a handler runs on every real change of a value, whether the user or code made it, and never
//   when a value is set to what it already holds;
// - GotFocus and LostFocus ignore focus changes caused by popups, menus and window activation;
// - key filters see printable characters, Enter, Escape, Ctrl+letter codes and Backspace, and can
//   refuse a key; a combo's filter also sees Delete and the editing shortcuts (cut, undo, redo), as
//   control codes. Text that comes into a box or combo with a key filter in any other way (the
//   input method, a paste by keys, context menu or middle click, a drop) goes in character by
//   character, each seen by the filter as if typed: what is pasted gives what typing gives.
// Handlers are plain std::function members named after the event they serve.

#include "platform/ui/linelistmodel.h"
#include "platform/ui/vbcolor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>
#include <functional>

class QFocusEvent;
class QKeyEvent;

// Geometry, colours, font and focus events shared by every control.
class VbControl {
public:
    virtual ~VbControl() = default;

    // Geometry in twips (capitalised, as distinct from Qt's pixel geometry).
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void setLeft(int t) { Move(t, top_, width_, height_); }
    void setTop(int t) { Move(left_, t, width_, height_); }
    void setWidth(int t) { Move(left_, top_, t, height_); }
    void setHeight(int t) { Move(left_, top_, width_, t); }
    void Move(int leftTwips, int topTwips) { Move(leftTwips, topTwips, width_, height_); }
    void Move(int leftTwips, int topTwips, int widthTwips, int heightTwips);

    // Visible as the control's own property: true even while its window is hidden.
    bool Visible() const { return !self_->isHidden(); }

    uint32_t backColor() const { return back_; }
    uint32_t foreColor() const { return fore_; }
    void setBackColor(uint32_t colour);
    void setForeColor(uint32_t colour);

    bool fontBold() const { return self_->font().bold(); }
    void setFontBold(bool on);
    void setFontSize(double points);
    // A control showing numbers shows its text whole: a text wider than the control shows in the
    // control's font narrowed just enough to fit (see narrowfont.h), a text that fits in the font
    // itself. Labels, text boxes and the edit field of a combo box can.
    void setNarrowToFit(bool on);

    QString toolTipText() const { return self_->toolTip(); }
    void setToolTipText(const QString &text) { self_->setToolTip(text); }

    // 0 brings the control to the front of its siblings, 1 sends it to the back.
    void zOrder(int position);
    // The hand cursor of clickable headers and pictures.
    void setHandCursor(bool on);

    // A new element of a control array takes over the template's properties (not Visible).
    virtual void copyFrom(const VbControl &other);

    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

protected:
    VbControl(QWidget *self, QPalette::ColorRole backRole, QPalette::ColorRole foreRole);
    void focusChanged(QFocusEvent *event, bool in);
    virtual void applyColours();
    // Paints the back colour over the whole control when it shows one; every control's paint
    // starts with it.
    void paintBack();
    // Under setNarrowToFit: the control's font narrowed for its text and its room now, or back at
    // its own width (run when the text, the size or the font changes).
    virtual void fitText() {}

    QWidget *self_;
    QPalette::ColorRole backRole_;
    QPalette::ColorRole foreRole_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    uint32_t back_;
    uint32_t fore_ = vbc::kWindowText;
    bool backSet_ = false;
    // The control shows its back colour. It paints it itself rather than through the widget's
    // automatic background: a widget filled automatically counts as opaque, and the paint of a
    // window takes the area of every opaque control out of the area it paints beneath, control
    // by control, which on a board of hundreds of filled cells costs more than the painting.
    bool fillsBack_ = false;
    bool narrowToFit_ = false;
};

// Routes a Qt widget's focus events to VbControl.
template <class QtBase>
class VbWidget : public QtBase, public VbControl {
public:
    explicit VbWidget(QWidget *parent, QPalette::ColorRole backRole = QPalette::Window,
                      QPalette::ColorRole foreRole = QPalette::WindowText)
        : QtBase(parent), VbControl(this, backRole, foreRole)
    {
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        paintBack();
        QtBase::paintEvent(event);
    }
    void focusInEvent(QFocusEvent *event) override
    {
        QtBase::focusInEvent(event);
        focusChanged(event, true);
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        QtBase::focusOutEvent(event);
        focusChanged(event, false);
    }
};

// The key code a key press stands for (printable character, 8 Backspace, 13 Enter, 27 Escape,
// 1..26 Ctrl+letter), or 0 when the key has no code (arrows, Delete, function keys).
int keyAsciiOf(const QKeyEvent *event);

// Runs `handler` on a key press; true when the key was refused and must be swallowed. A handler
// refuses a key by setting its code to 0 or to a control code other than Backspace.
bool filterKeyPress(const std::function<void(int &)> &handler, QKeyEvent *event, QWidget *target);
// The same for a key standing for the code `keyAscii` (0: a key the handler does not see).
bool filterKeyPress(const std::function<void(int &)> &handler, int keyAscii, QWidget *target);

// ---- Clickable label: Click on release over the control, DblClick on a double click -------------
class VbClickableLabel : public VbWidget<QLabel> {
public:
    explicit VbClickableLabel(QWidget *parent) : VbWidget<QLabel>(parent) {}

    std::function<void()> onClick;
    std::function<void()> onDblClick;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool pressed_ = false;
};

// ---- Label --------------------------------------------------------------------------------
class VbLabel : public VbClickableLabel {
public:
    explicit VbLabel(QWidget *parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString &caption);
    // 0 left, 1 right, 2 centre.
    void setAlignment(int vbAlignment);
    // Opaque labels paint their back colour; transparent ones let the parent show through.
    void setOpaque(bool on);
    void setAutoSize(bool on);
    void setWordWrap(bool on);
    void setBorder(bool on);
    void copyFrom(const VbControl &other) override;

    std::function<void()> onMouseMove;
    // Change: the caption changed.
    std::function<void()> onChange;

    // The share of the font's own width, in percent, at which the text is drawn: below 100 when
    // the label narrows it to fit (setNarrowToFit).
    int narrowedTo() const { return narrowedTo_; }

protected:
    bool event(QEvent *event) override;
    void fitText() override;
    void paintEvent(QPaintEvent *event) override;

private:
    void fitToText();

    QString caption_;
    int alignment_ = 0;
    bool autoSize_ = false;
    int narrowedTo_ = 100;
};

// ---- Single-line text box -----------------------------------------------------------------
class VbTextBox : public VbWidget<QLineEdit> {
public:
    explicit VbTextBox(QWidget *parent = nullptr);

    QString text() const { return QLineEdit::text(); }
    // A text set while the box has no focus shows from its start.
    void setText(const QString &text);
    void setAlignment(int vbAlignment);
    void setLocked(bool on) { setReadOnly(on); }
    void copyFrom(const VbControl &other) override;

    std::function<void()> onChange;
    std::function<void(int &keyAscii)> onKeyPress;
    std::function<void()> onMouseMove;
    std::function<void()> onDblClick;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;
    void fitText() override;

private:
    QString lastText_;
};

// ---- Multi-line text box (texts kept with CRLF line ends) ----------------------------------
class VbTextArea : public VbWidget<QPlainTextEdit> {
public:
    explicit VbTextArea(QWidget *parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString &text);

    std::function<void()> onChange;

private:
    QString text_;
};

// ---- Command button -------------------------------------------------------------------------
class VbButton : public VbWidget<QPushButton> {
public:
    explicit VbButton(QWidget *parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }

    std::function<void()> onClick;
};

// ---- Check box: Value 0 unticked, 1 ticked, 2 greyed ----------------------------------------
class VbCheck : public VbWidget<QCheckBox> {
public:
    explicit VbCheck(QWidget *parent = nullptr);

    int value() const;
    void setValue(int value);
    QString caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }

    // Runs on every change of Value.
    std::function<void()> onClick;
    std::function<void()> onMouseMove;

protected:
    void nextCheckState() override;
    bool event(QEvent *event) override;
};

// ---- Option button: the options of one parent form one group ------------------------------
class VbOption : public VbWidget<QRadioButton> {
public:
    explicit VbOption(QWidget *parent = nullptr);

    bool value() const { return isChecked(); }
    // True unticks the other options of the same parent; False may leave none ticked.
    void setValue(bool on);
    QString caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }

    // Runs whenever the option becomes ticked.
    std::function<void()> onClick;

protected:
    void nextCheckState() override;

private:
    void becameChecked();
};

// ---- Combo box with an edit field -----------------------------------------------------------
class VbCombo : public VbWidget<QComboBox> {
public:
    explicit VbCombo(QWidget *parent = nullptr);

    int listIndex() const { return currentIndex(); }
    // Selects entry i (-1 selects none and empties the text). Click runs on a real change.
    void setListIndex(int index);
    int listCount() const { return count(); }
    QString list(int index) const { return itemText(index); }
    QVariant itemData(int index) const { return QComboBox::itemData(index); }
    void addItem(const QString &text, const QVariant &data = {});
    // Replaces the entries by `count` entries whose text and data are made from their position
    // when they are looked at, so that a list of hundreds of thousands of entries costs no item
    // per entry. No entry is selected, the edit text is kept and no Click runs. Later addItem and
    // clear calls work as on any list.
    void setEntries(int count, std::function<QString(int index)> text, std::function<QVariant(int index)> data = {});
    // Makes an empty combo ready for setEntries, which then only fills it: the setting up can be
    // done before the entries are known. It stays an empty combo in every other way.
    void prepareEntries();
    // Removes every entry without running Click.
    void clear();

    QString text() const { return currentText(); }
    // Writes the edit text and selects no entry; Change runs when the text changes.
    void setText(const QString &text);

    // Click: the selected entry changed. Change: the edit text changed other than by a selection.
    std::function<void()> onClick;
    std::function<void()> onChange;
    std::function<void(int &keyAscii)> onKeyPress;

    // The list drops down at least as wide as its widest entry (see fitListWidth).
    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    // The edit field's text whole.
    void fitText() override;

private:
    class EditField;
    class EntryModel;
    // The widest entry measured: every entry of a list of items; of the entries made from their
    // position (numbers or dates in their order, the widest at one end), the first and the last.
    void fitListWidth();
    // Back to a list of items after setEntries.
    void useItemList();
    // The list of made entries in place of the list of items (none yet).
    void useEntryList();

    QString lastText_;
    bool selecting_ = false;
    EntryModel *entries_ = nullptr;
};

// ---- List box -------------------------------------------------------------------------------
// Shows its own lines, or the lines of another model (setModel): the lines are the model's
// display texts, and the list follows the model's signals (reset, rows inserted and removed, data
// changed). Lines replaced, rewritten or removed leave no line selected and run no Click; lines
// added keep the selection; lines rewritten in their rows keep where the list is scrolled.
class VbList : public VbWidget<QListView> {
public:
    explicit VbList(QWidget *parent = nullptr);

    // Shows `model` (nullptr: the list's own lines again).
    void setModel(QAbstractItemModel *model) override;

    int listCount() const { return model()->rowCount(); }
    QString list(int index) const;
    // The list's own lines: appended, replaced in one step (fast for tens of thousands of lines),
    // removed, cleared.
    void addItem(const QString &line);
    void setLines(const QStringList &lines);
    void removeItem(int index);
    void clear();

    int listIndex() const;
    // Selects line i (-1 none); Click runs on a real change.
    void setListIndex(int index);

    // A line's box: as wide as the widest line, or the list when that is wider.
    QRect visualRect(const QModelIndex &index) const override;

    std::function<void()> onClick;

protected:
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles) override;
    void changeEvent(QEvent *event) override;
    void updateGeometries() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    class LineDelegate;
    // How wide a line shows: as the widest line, or the list when that is wider.
    int lineWidth() const;
    void selectionMoved(int index);
    void linesReplaced();
    void rowsRemoved(int start, int end);
    int lineLength(int row) const;
    // The line with the most characters looked for among all lines, or known to be `row`; the
    // lines are laid out again when its size does not fit the room they were laid out in.
    void findWidestLine();
    void widestLineAt(int row, int length);

    QStringList ownLines_;
    LineListModel own_{ownLines_};
    QPointer<const LineListModel> lineModel_;  // the model shown, when it is one of lines
    int widestRow_ = -1;  // the line with the most characters (or reaching farthest): every line takes its width
    int widestLength_ = -1;
    LineDelegate *delegate_ = nullptr;
    QSize widestSize_;   // the widest line's size
    QSize laidOutSize_;  // the size the lines are laid out at: the widest's height, more room across
    bool silent_ = false;
    int lastIndex_ = -1;
};

// ---- Horizontal scroll bar ------------------------------------------------------------------
class VbScrollBar : public VbWidget<QScrollBar> {
public:
    explicit VbScrollBar(QWidget *parent = nullptr);

    void setMin(int v) { setMinimum(v); }
    void setMax(int v) { setMaximum(v); }
    void setSmallChange(int v) { setSingleStep(v); }
    void setLargeChange(int v) { setPageStep(v); }
    int value() const { return QScrollBar::value(); }
    void setValue(int v) { QScrollBar::setValue(v); }

    // Change: the value changed (by code, a click, a key, or at the end of a drag).
    // Scroll: the thumb is being dragged.
    std::function<void()> onChange;
    std::function<void()> onScroll;
};

// ---- Picture box / image --------------------------------------------------------------------
class VbPicture : public VbClickableLabel {
public:
    explicit VbPicture(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return picture_; }
    // The name of the ball picture shown ("B7"), kept so code can ask what a box shows.
    QString pictureName() const { return pictureName_; }
    void setPictureName(const QString &name) { pictureName_ = name; }
    void setStretch(bool on) { setScaledContents(on); }
    void copyFrom(const VbControl &other) override;

private:
    QPixmap picture_;
    QString pictureName_;
};

// ---- Shape: painted, and clicks fall through to what lies under it ---------------------------
class VbShape : public VbWidget<QWidget> {
public:
    enum Kind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4, RoundedSquare = 5 };

    explicit VbShape(QWidget *parent = nullptr);

    void setKind(Kind kind);
    // A filled shape paints its fill colour; an unfilled one only its border.
    void setFill(bool filled, uint32_t fillColour = 0);
    void setBorder(bool visible, uint32_t colour = 0, int widthPixels = 1);
    void copyFrom(const VbControl &other) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind kind_ = Rectangle;
    bool filled_ = false;
    uint32_t fillColour_ = 0;
    bool border_ = true;
    uint32_t borderColour_ = 0;
    int borderWidth_ = 1;
};

// ---- Line: painted between two points of its parent, in twips --------------------------------
class VbLine : public VbWidget<QWidget> {
public:
    explicit VbLine(QWidget *parent = nullptr);

    void setPoints(int x1, int y1, int x2, int y2);
    void setLineColor(uint32_t colour, int widthPixels = 1);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    uint32_t colour_ = vbc::kWindowText;
    int widthPx_ = 1;
};

// ---- Frame: a captioned container; its children are placed relative to it -----------------------
class VbFrame : public VbWidget<QGroupBox> {
public:
    explicit VbFrame(QWidget *parent = nullptr);

    QString caption() const { return title(); }
    void setCaption(const QString &caption) { setTitle(caption); }

    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    // An etched line around the frame with the caption standing on its top edge.
    void paintEvent(QPaintEvent *event) override;
};

// The font of the program's dialogs: Arial, 8.25 points.
QFont fncDialogFont(bool bold = false);

// Creates a control of kind T on `parent`, placed and sized in twips.
template <class T>
T *placeControl(QWidget *parent, int left, int top, int width, int height)
{
    auto *control = new T(parent);
    control->Move(left, top, width, height);
    return control;
}

// The key filter of a dialog's box that takes only the characters of `allowed`: Backspace passes,
// and so do Enter and Escape, which go on to the dialog (its default button, its closing); any
// other key is refused (set to 0) unless it is one of `allowed`.
void subFilterDialogKey(const QString &allowed, int &keyAscii);

// ---- Windows ----------------------------------------------------------------------------------
// Sizes a window's client area in twips.
void setClientSizeTwips(QWidget *window, int widthTwips, int heightTwips);
// Paints a window (or a container) in a colour value.
void setWindowBackColor(QWidget *window, uint32_t colour);
// The text of a caption as a label shows it: "&&" becomes "&", a single "&" marks a mnemonic.
QString displayCaption(const QString &caption);
// Lets the event loop run once, as the program does between unloading and showing windows.
void doEvents();
