// The real services with a look of their own: message boxes answered with the keys
// a user presses and the title bar, the open-file dialog, and addresses handed to
// the desktop.

#include "platform/gui/addressopener.h"
#include "platform/gui/filechooser.h"
#include "platform/gui/messageboxes.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace quarnix::platform;

namespace {

// Takes the addresses the desktop would have opened.
class Browser : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened << url.toString(); }

public:
    QStringList opened;
};

// A box asked for with an icon and buttons and answered with a key (none: closed by
// its title bar); the answer, and the icon and buttons Qt shows.
struct Box {
    MessageIcon icon = MessageIcon::Question;
    MessageButtons buttons = MessageButtons::YesNo;
    Qt::Key key = Qt::Key_unknown;
    MessageAnswer answer;
    QMessageBox::Icon shownIcon = QMessageBox::Question;
    QMessageBox::StandardButtons shownButtons = QMessageBox::Yes | QMessageBox::No;
};

} // namespace

Q_DECLARE_METATYPE(Box)

class SystemServicesTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxes_data()
    {
        QTest::addColumn<Box>("row");
        QTest::newRow("Enter takes the default, Yes") << Box {.key = Qt::Key_Return, .answer = MessageAnswer::Yes};
        QTest::newRow("Escape never answers Yes") << Box {.key = Qt::Key_Escape, .answer = MessageAnswer::No};
        QTest::newRow("title bar answers No") << Box {.answer = MessageAnswer::No};
        const auto ok = [](MessageIcon icon, Qt::Key key, QMessageBox::Icon shown) {
            return Box {icon, MessageButtons::Ok, key, MessageAnswer::Ok, shown, QMessageBox::Ok};
        };
        QTest::newRow("error") << ok(MessageIcon::Error, Qt::Key_Return, QMessageBox::Critical);
        QTest::newRow("warning") << ok(MessageIcon::Warning, Qt::Key_Escape, QMessageBox::Warning);
        QTest::newRow("information") << ok(MessageIcon::Information, Qt::Key_unknown, QMessageBox::Information);
    }

    void messageBoxes()
    {
        QFETCH(Box, row);
        // Looked at while the box is up, and always answered, so that no box is left
        // waiting for a person.
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            seen << box->windowTitle() << box->text() << box->detailedText();
            seen << QString::number(box->icon()) << QString::number(int(box->standardButtons()));
            if (row.key == Qt::Key_unknown)
                box->close();
            else
                QTest::keyClick(box, row.key);
        });
        QtMessageBoxes boxes;
        QCOMPARE(
            boxes.show(nullptr, "Title", "<b>1</b> of 2?\r\nReally?", row.icon, row.buttons, "the cause"), row.answer);
        // Shown as written, markup and all, the line break as Qt draws one, and the
        // details kept apart from the text.
        QCOMPARE(seen,
            (QStringList {"Title", "<b>1</b> of 2?\nReally?", "the cause", QString::number(row.shownIcon),
                QString::number(int(row.shownButtons))}));
    }

    void fileChooserIsTitledAndCancels()
    {
        QString title;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            title = dialog->windowTitle();
            dialog->close();
        });
        QtFileChooser chooser;
        QCOMPARE(chooser.chooseFile(nullptr, "Select file to split..."), QString());
        QCOMPARE(title, "Select file to split...");
    }

    void addressesReachTheDesktopAsWritten()
    {
        Browser browser;
        for (const char* scheme : {"https", "mailto"})
            QDesktopServices::setUrlHandler(scheme, &browser, "open");
        DesktopAddressOpener opener;
        QVERIFY(opener.open("https://quarnix.example.org/downloads/Qxhelp.zip"));
        QVERIFY(opener.open("mailto:quarnix@example.org"));
        QCOMPARE(browser.opened,
            (QStringList {"https://quarnix.example.org/downloads/Qxhelp.zip", "mailto:quarnix@example.org"}));
    }
};

QTEST_MAIN(SystemServicesTest)
#include "tst_systemservices.moc"
