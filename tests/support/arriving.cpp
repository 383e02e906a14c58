#include "support/arriving.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

const char *arrivalName(Arrival way)
{
    static const char *const names[] = {"keys", "input method", "Ctrl+V", "Shift+Insert", "context menu", "drop", "middle click"};
    return names[static_cast<int>(way)];
}

void bring(const QString &text, Arrival way)
{
    QWidget *focus = QApplication::focusWidget();
    auto *combo = qobject_cast<QComboBox *>(focus);
    QLineEdit *edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(focus);
    ASSERT_NE(edit, nullptr) << "the focus is on no box";
    const QPoint behind(edit->width() - 2, edit->height() / 2);
    QGuiApplication::clipboard()->setText(text, way == Arrival::MiddleClick ? QClipboard::Selection : QClipboard::Clipboard);
    switch (way) {
    case Arrival::Keys:
        for (const uint c : text.toUcs4()) {
            if (c == '\n')
                QTest::keyClick(focus, Qt::Key_Return);
            else if (c < 128)
                QTest::keyClick(focus, static_cast<char>(c));
            else
                QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1), {});
        }
        break;
    case Arrival::InputMethod: {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(QGuiApplication::focusObject(), &commit);
        break;
    }
    case Arrival::CtrlV: QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier); break;
    case Arrival::ShiftInsert: QTest::keyClick(focus, Qt::Key_Insert, Qt::ShiftModifier); break;
    case Arrival::MenuPaste: {
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, behind, edit->mapToGlobal(behind));
        QCoreApplication::sendEvent(edit, &rightClick);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << "no context menu";
        const QList<QAction *> actions = menu->actions();
        const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction *a) { return a->text().startsWith(QLineEdit::tr("&Paste")); });
        ASSERT_NE(paste, actions.end()) << "no Paste in the context menu";
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*paste).center());
        break;
    }
    case Arrival::Drop: {  // the drop goes where the drag entered
        QMimeData dragged;
        dragged.setText(text);
        QDragEnterEvent enter(behind, Qt::CopyAction | Qt::MoveAction, &dragged, Qt::LeftButton, {});
        QDropEvent drop(behind, Qt::CopyAction | Qt::MoveAction, &dragged, Qt::LeftButton, {});
        QCoreApplication::sendEvent(edit, &enter);
        QCoreApplication::sendEvent(edit, &drop);
        break;
    }
    case Arrival::MiddleClick: QTest::mouseClick(edit, Qt::MiddleButton, {}, behind); break;
    }
}
