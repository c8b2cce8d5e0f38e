// quarnix-bench SOURCE DEST (--size MB | --count N) [--removable] [--at-prompt COMMAND]
//
// Runs the split job behind the Split button on real files, headless: every
// message box is answered Yes or OK, every status line and box goes to standard
// error, and the last line on standard output gives the time and peak memory.
// --removable treats the destination as a removable medium, whose files are
// flushed to the device, to measure what that costs on any disk. --at-prompt runs
// COMMAND through the shell at each prompt to change floppy disks, before the
// prompt is answered, so that a script can change them.

#include "engine/jobtexts.h"
#include "engine/splitjob.h"
#include "engine/splitwindow.h"
#include "platform/volumes.h"
#include "processmemory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace quarnix;

class ConsoleWindow final : public engine::SplitWindow {
public:
    QString source;
    QString destination;
    QString number;
    QString size;
    bool bySize = true;
    QString atPrompt;
    QString lastBoxTitle;

    QString sourceText() const override { return source; }
    void setSourceText(const QString& text) override { source = text; }
    QString destinationText() const override { return destination; }
    void setDestinationText(const QString& text) override { destination = text; }
    QString numberText() const override { return number; }
    QString sizeText() const override { return size; }
    bool isSizeSelected() const override { return bySize; }

    void setStatus(const QString& text) override
    {
        if (!text.isEmpty())
            err() << text << Qt::endl;
    }
    void repaintStatus() override { }
    void repaintWindow() override { }
    void setBusyPointer(bool) override { }
    void focusBrowseSource() override { }
    void focusBrowseDestination() override { }

    platform::MessageAnswer showMessage(const QString& title, const QString& text, platform::MessageIcon,
        platform::MessageButtons buttons, const QString& details) override
    {
        lastBoxTitle = title;
        err() << '[' << title << "] " << text << Qt::endl;
        if (!details.isEmpty())
            err() << details << Qt::endl;
        if (!atPrompt.isEmpty() && (title == engine::texts::nextFloppyTitle || title == engine::texts::lastFloppyTitle))
            std::system(atPrompt.toLocal8Bit().constData()); // what it does shows in the next check
        return buttons == platform::MessageButtons::YesNo ? platform::MessageAnswer::Yes : platform::MessageAnswer::Ok;
    }

    void openFolderPicker() override { err() << "(folder picker)" << Qt::endl; }

private:
    static QTextStream& err()
    {
        static QTextStream stream(stderr);
        return stream;
    }
};

// The machine's volumes, with the destination taken for a removable one on request.
class BenchVolumes final : public platform::Volumes {
public:
    explicit BenchVolumes(bool removable)
        : removable_(removable)
    {
    }
    platform::PathStyle pathStyle() const override { return system_.pathStyle(); }
    bool isFloppyDestination(const QString& destination) const override
    {
        return system_.isFloppyDestination(destination);
    }
    QString remountFolder(const QString& destination) const override { return system_.remountFolder(destination); }
    bool isFirstFloppyRoot(const QString& destination) const override { return system_.isFirstFloppyRoot(destination); }
    bool isRemovable(const QString& destination) const override
    {
        return removable_ || system_.isRemovable(destination);
    }
    std::optional<qint64> freeSpace(const QString& destination) const override
    {
        return system_.freeSpace(destination);
    }
    QList<platform::VolumeEntry> volumes() const override { return system_.volumes(); }
    bool isReady(const QString& rootPath) const override { return system_.isReady(rootPath); }

private:
    platform::SystemVolumes system_;
    bool removable_;
};

int usage()
{
    QTextStream(stderr) << "usage: quarnix-bench SOURCE DEST (--size MB | --count N) [--removable] "
                           "[--at-prompt COMMAND]"
                        << Qt::endl;
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    ConsoleWindow window;
    bool removable = false;
    while (args.size() > 5) {
        if (args.at(5) == QLatin1String("--removable")) {
            removable = true;
            args.removeAt(5);
        } else if (args.at(5) == QLatin1String("--at-prompt") && args.size() > 6) {
            window.atPrompt = args.at(6);
            args.remove(5, 2);
        } else {
            return usage();
        }
    }
    if (args.size() != 5)
        return usage();

    window.source = args.at(1);
    window.destination = args.at(2);
    if (args.at(3) == QLatin1String("--size")) {
        window.bySize = true;
        window.size = args.at(4);
    } else if (args.at(3) == QLatin1String("--count")) {
        window.bySize = false;
        window.number = args.at(4);
    } else {
        return usage();
    }

    // Numbers on a command line are written the C way whatever the user's locale.
    const BenchVolumes volumes(removable);
    engine::SplitJob job(window, volumes, QLocale::c());
    QElapsedTimer timer;
    timer.start();
    const engine::SplitOutcome outcome = job.run();
    const qint64 nanoseconds = timer.nsecsElapsed();

    const qint64 bytes = QFileInfo(window.source).size();
    const double seconds = double(nanoseconds) / 1e9;
    const double mibPerSecond = seconds > 0 ? double(bytes) / 1048576.0 / seconds : 0.0;
    const qint64 peak = bench::peakResidentKiB().value_or(-1);
    std::printf("bytes=%lld seconds=%.3f mib_per_s=%.1f peak_rss_kib=%lld\n", static_cast<long long>(bytes), seconds,
        mibPerSecond, static_cast<long long>(peak));
    std::fflush(stdout);

    const bool done = outcome == engine::SplitOutcome::Done && window.lastBoxTitle == QLatin1String("Done");
    return done ? 0 : 1;
}
