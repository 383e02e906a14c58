// Writes the sample lotteries (the three catalogues and one results database per sample) into a
// program folder, leaving every file that already exists as it is.
//
// Usage: make_samples [program folder]   (default: the current folder)

#include "analysis/samplelotteries.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = args.size() > 1 ? args[1] : QDir::currentPath();
    const samples::Outcome outcome = samples::writeSampleLotteries(folder);
    QTextStream out(stdout);
    for (const QString &path : outcome.written)
        out << "written: " << path << '\n';
    QTextStream err(stderr);
    for (const QString &error : outcome.errors)
        err << "error: " << error << '\n';
    return outcome.errors.isEmpty() ? 0 : 1;
}
