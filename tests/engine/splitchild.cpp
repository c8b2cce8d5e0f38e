// Runs one split job headless and prints what the window saw, one event a line,
// then "outcome=N". The disk-full suite starts it with a file-size limit.
//
//   engine_split_child SOURCE DEST (--size MB | --count N)

#include "engine/splitjob.h"
#include "fakesplitwindow.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    using namespace quarnix;
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;

    testing::FakeSplitWindow window;
    testing::FakeVolumes volumes;
    window.style = volumes.style = platform::PathStyle::Posix;
    window.source = args[1];
    window.destination = args[2];
    window.bySize = args[3] == QLatin1String("--size");
    (window.bySize ? window.size : window.number) = args[4];

    engine::SplitJob job(window, volumes, QLocale::c());
    const engine::SplitOutcome outcome = job.run();

    QTextStream out(stdout);
    for (const QString& event : window.events)
        out << event << '\n';
    out << "outcome=" << int(outcome) << Qt::endl;
    return 0;
}
