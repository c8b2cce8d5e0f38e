// What assistive technology reads in each window: walking the window's accessible
// tree as a screen reader does, every item has a name, except the decorative lines,
// which read as separators.

#include "fourwindowsfixture.h"

#include <QAccessible>

using namespace quarnix::testing;

namespace {

// Every item below `item`, as "object name, role in hex": the separators, and
// the others that have no name.
void walk(QAccessibleInterface* item, QStringList& unnamed, QStringList& separators)
{
    for (int i = 0; i < item->childCount(); ++i) {
        QAccessibleInterface* child = item->child(i);
        if (!child)
            continue;
        const QString what = (child->object() ? child->object()->objectName() : QString()) + u' '
            + QString::number(int(child->role()), 16);
        if (child->role() == QAccessible::Separator)
            separators << what;
        else if (child->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << what;
        walk(child, unnamed, separators);
    }
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT
private slots:
    void everyItemNamedOrSeparator_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<int>("lines"); // decorative lines drawn on it
        QTest::newRow("main window") << Window::Main << 8;
        QTest::newRow("folder picker") << Window::Picker << 4;
        QTest::newRow("help") << Window::Help << 24;
        QTest::newRow("About") << Window::About << 8;
    }

    void everyItemNamedOrSeparator()
    {
        QFETCH(Window, window);
        QFETCH(int, lines);
        FourWindows windows;
        QWidget* shown = windows.open(window);
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(shown);
        QVERIFY(root);
        QCOMPARE(root->text(QAccessible::Name), shown->windowTitle());
        QStringList unnamed, separators;
        walk(root, unnamed, separators);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
        QCOMPARE(separators.size(), lines);
        for (const QString& separator : separators)
            QVERIFY2(separator.startsWith(u"Line"), qPrintable(separator));
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "tst_accessible.moc"
