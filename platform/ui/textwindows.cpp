#include "platform/ui/textwindows.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// A window of its own, deleted when closed, whose one text control fills it.
QVBoxLayout *makeTextWindow(QWidget *window, const QString &title)
{
    window->setAttribute(Qt::WA_DeleteOnClose, true);
    window->setWindowFlag(Qt::Window, true);
    window->setWindowTitle(title);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

}  // namespace

frmHelp::frmHelp(const QString &title, const QString &guide)
{
    QVBoxLayout *layout = makeTextWindow(this, title);
    txtContents = new QTextBrowser(this);
    txtContents->setOpenExternalLinks(false);
    layout->addWidget(txtContents);
    txtContents->setSource(QUrl(QStringLiteral("qrc") + fncHelpGuidePath(guide)));
    resize(720, 640);
}

frmReport::frmReport(const QString &title, const QString &text)
{
    QVBoxLayout *layout = makeTextWindow(this, title);
    txtReport = new QPlainTextEdit(this);
    txtReport->setReadOnly(true);
    txtReport->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtReport->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtReport->setPlainText(shown);
    layout->addWidget(txtReport);
    resize(720, 560);
}

QString fncHelpGuidePath(const QString &guide) { return QStringLiteral(":/help/") + guide; }

qint64 fncWindowHandle(const QWidget *window)
{
    return window ? static_cast<qint64>(reinterpret_cast<quintptr>(window)) : 0;
}

QWidget *fncWindowFromHandle(qint64 handle)
{
    if (handle <= 0)
        return nullptr;
    // Compared by number only: a window that is gone is never touched.
    for (QWidget *window : QApplication::topLevelWidgets())
        if (fncWindowHandle(window) == handle)
            return window;
    return nullptr;
}

void subCloseWindow(qint64 handle)
{
    if (QWidget *window = fncWindowFromHandle(handle))
        window->close();
}
