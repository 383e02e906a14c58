#pragma once
// The single-instance check. Every copy of the program has one visible, unowned top-level
// application window titled with the program title; the check counts the windows so titled, and
// more than one (its own included) means another copy is running. On this platform the windows
// of the program's copies are found through a per-user lock file, held by the first copy for its
// whole run: a copy that cannot take the lock sees the holder's window besides its own.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

// A top-level window as the scan sees it.
struct TopLevelWindow {
    qint64 handle = 0;
    bool visible = false;
    qint64 parent = 0;
    qint64 owner = 0;
    QString title;
};

// An invisible list of window titles with each window's handle as the item's data.
class WindowListBox {
public:
    // Adds a line and returns its index.
    int addItem(const QString &text);
    void setItemData(int index, qint64 data);
    int listCount() const { return static_cast<int>(items_.size()); }
    QString list(int index) const { return items_.value(index); }
    qint64 itemData(int index) const;

private:
    QStringList items_;
    std::vector<qint64> data_;
};

// The hidden form that lends its list to one scan at start-up and is discarded right after.
class frmPrint {
public:
    WindowListBox lstWindows;
};

// True when a window counts as a copy of the program: visible, without parent and owner, and
// titled exactly `appTitle` (case and blanks matter).
bool fncIsProgramWindow(const TopLevelWindow &window, const QString &appTitle);

// The scan's callback: a window that counts is added to `lst` (title, handle as item data),
// glngTitleWindowCount goes up and gblnAlreadyRunning becomes (count > 1). Always answers 1
// (go on).
int32_t fncEnumWindowsProc(const TopLevelWindow &window, WindowListBox &lst);

// Runs the callback over every top-level window (fncTopLevelWindows) and returns the list's count.
int32_t fncScanProgramWindows(WindowListBox &lst);

// The top-level windows of the program's copies: this copy's application window, and the window
// of a copy already running when the per-user lock is held by another process. Takes the lock
// when it is free.
std::vector<TopLevelWindow> fncTopLevelWindows();

// The per-user lock: its file, taking it (true when this process holds it, or when the check
// cannot tell: the file cannot be made, or another user's file stands in its place; otherwise the
// holder's process id goes to *holder when asked) and giving it back.
QString instanceLockPath();
bool acquireInstanceLock(qint64 *holder = nullptr);
void releaseInstanceLock();
