#include "platform/ui/textwindows.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

frmHelp::frmHelp(const QString &title, const QString &guide)
{
    setAttribute(Qt::WA_DeleteOnClose, true);
    setWindowFlag(Qt::Window, true);
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    txtContents = new QTextBrowser(this);
    txtContents->setOpenExternalLinks(false);
    layout->addWidget(txtContents);
    txtContents->setSource(QUrl(QStringLiteral("qrc") + fncHelpGuidePath(guide)));
    resize(720, 640);
}

frmReport::frmReport(const QString &title, const QString &text)
{
    setAttribute(Qt::WA_DeleteOnClose, true);
    setWindowFlag(Qt::Window, true);
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
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
