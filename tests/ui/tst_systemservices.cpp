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

} // namespace

class SystemServicesTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxes_data()
    {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<int>("key"); // 0: closed by the title bar
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QMessageBox::Icon>("shownIcon");
        QTest::addColumn<QMessageBox::StandardButtons>("shownButtons");
        const auto yesNo = MessageButtons::YesNo;
        const QMessageBox::StandardButtons yesAndNo = QMessageBox::Yes | QMessageBox::No;
        QTest::newRow("Enter takes the default, Yes") << MessageIcon::Question << yesNo << int(Qt::Key_Return)
                                                      << MessageAnswer::Yes << QMessageBox::Question << yesAndNo;
        QTest::newRow("Escape never answers Yes") << MessageIcon::Question << yesNo << int(Qt::Key_Escape)
                                                  << MessageAnswer::No << QMessageBox::Question << yesAndNo;
        QTest::newRow("title bar answers No")
            << MessageIcon::Question << yesNo << 0 << MessageAnswer::No << QMessageBox::Question << yesAndNo;
        const QMessageBox::StandardButtons ok = QMessageBox::Ok;
        QTest::newRow("error") << MessageIcon::Error << MessageButtons::Ok << int(Qt::Key_Return) << MessageAnswer::Ok
                               << QMessageBox::Critical << ok;
        QTest::newRow("warning") << MessageIcon::Warning << MessageButtons::Ok << int(Qt::Key_Escape)
                                 << MessageAnswer::Ok << QMessageBox::Warning << ok;
        QTest::newRow("information") << MessageIcon::Information << MessageButtons::Ok << 0 << MessageAnswer::Ok
                                     << QMessageBox::Information << ok;
    }

    void messageBoxes()
    {
        QFETCH(MessageIcon, icon);
        QFETCH(MessageButtons, buttons);
        QFETCH(int, key);
        QFETCH(MessageAnswer, answer);
        QFETCH(QMessageBox::Icon, shownIcon);
        QFETCH(QMessageBox::StandardButtons, shownButtons);
        // Looked at while the box is up, and always answered, so that no box is left
        // waiting for a person.
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            seen << box->windowTitle() << box->text() << box->detailedText();
            seen << QString::number(box->icon()) << QString::number(int(box->standardButtons()));
            if (key == 0)
                box->close();
            else
                QTest::keyClick(box, Qt::Key(key));
        });
        QtMessageBoxes boxes;
        QCOMPARE(boxes.show(nullptr, "Title", "<b>1</b> of 2?\r\nReally?", icon, buttons, "the cause"), answer);
        // Shown as written, markup and all, the line break as Qt draws one, and the
        // details kept apart from the text.
        QCOMPARE(seen,
            (QStringList {"Title", "<b>1</b> of 2?\nReally?", "the cause", QString::number(shownIcon),
                QString::number(int(shownButtons))}));
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
