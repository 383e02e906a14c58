// The report files handed to the text editor are removed when the program ends.

#include "analysis/ui/clsanalysis.h"
#include "app/globals.h"
#include "boards/common/boardbase.h"
#include "platform/ui/forms.h"
#include "support/sampleworld.h"

#include <QAction>
#include <QFile>
#include <gtest/gtest.h>

TEST(ReportFiles, EveryExportedReportIsRemovedAtTheEnd)
{
    SampleWorld world;
    gstrNotepadPath = world.sandbox.programFolder() + QStringLiteral("/editor");
    QFile editor(gstrNotepadPath);
    ASSERT_TRUE(editor.open(QIODevice::WriteOnly));
    editor.write("#!/bin/sh\n");
    editor.close();
    editor.setPermissions(editor.permissions() | QFileDevice::ExeOwner);
    QStringList files;
    clsAnalysis::setReportOpenerForTests([&files](const QString &, const QString &file) {
        files << file;
        return true;
    });

    world.open(SampleWorld::kLotto);
    // A ticket of one column to report.
    for (int p = 1; p <= 6; ++p)
        world.board()->txtGuess[p]->setText(QString::number(p * 7));
    world.board()->cmdAdd_Click();
    ASSERT_EQ(world.board()->lstTicket->listCount(), 1);
    world.board()->mnuFilePrintTicket->trigger();
    world.board()->mnuFilePrintTicket->trigger();
    ASSERT_EQ(files.size(), 2);
    for (const QString &file : files)
        EXPECT_TRUE(QFile::exists(file)) << file.toStdString();

    clsAnalysis::subRemoveReportFiles();
    for (const QString &file : files)
        EXPECT_FALSE(QFile::exists(file)) << file.toStdString();

    clsAnalysis::setReportOpenerForTests({});
    gstrNotepadPath.clear();
    deleteUnloadedWindows();
}
