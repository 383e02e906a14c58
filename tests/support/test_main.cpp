// Test entry point: a QApplication on the offscreen platform and a fixed locale, so that dates
// and numbers print the same on every machine. Every test starts with a fresh application object
// and with an event loop that runs: what one test leaves behind does not
// reach the next.

#include "analysis/openlottery.h"
#include "app/application.h"
#include "support/modal.h"
#include "support/sampleworld.h"

#include <QApplication>
#include <QEventLoop>
#include <QLocale>
#include <QTimer>
#include <gtest/gtest.h>

void clearProgramEnd()
{
    QEventLoop probe;
    QTimer::singleShot(0, &probe, [&probe] { probe.exit(0); });
    if (probe.exec() == 0)
        return;
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

namespace {

class FreshState : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override
    {
        clearProgramEnd();
        makeApplication();
    }
    void OnTestEnd(const ::testing::TestInfo &) override { modalwait::endTest(); }
};

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication qtApplication(argc, argv);
    qtApplication.setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    // After the printer: a test's end reaches the listeners in the reverse order, this one first,
    // so that what it finds is printed with the test.
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshState);
    return RUN_ALL_TESTS();
}
