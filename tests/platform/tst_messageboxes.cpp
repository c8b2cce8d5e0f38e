// The real message box, answered with the keys a user presses and the title bar.

#include "platform/gui/messageboxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace quarnix::platform;

class MessageBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<int>("key"); // 0: closed by the title bar
        QTest::addColumn<int>("answer");
        QTest::newRow("Enter takes the default, Yes") << int(Qt::Key_Return) << int(MessageAnswer::Yes);
        QTest::newRow("Escape never answers Yes") << int(Qt::Key_Escape) << int(MessageAnswer::No);
        QTest::newRow("title bar") << 0 << int(MessageAnswer::No);
    }

    void answers()
    {
        QFETCH(int, key);
        QFETCH(int, answer);
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen << box->windowTitle() << box->text() << box->detailedText();
            if (key == 0)
                box->close();
            else
                QTest::keyClick(box, Qt::Key(key));
        });
        QtMessageBoxes boxes;
        const MessageAnswer given = boxes.show(nullptr, "Suggestion", "Go on?\r\nReally?", MessageIcon::Question,
                                               MessageButtons::YesNo, "the cause");
        QCOMPARE(int(given), answer);
        // The line break as Qt draws one, and the details kept apart from the text.
        QCOMPARE(seen, (QStringList {"Suggestion", "Go on?\nReally?", "the cause"}));
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "tst_messageboxes.moc"
