// Start-up, the two split modes, Default, the value fields' checks when they are
// left, and their typing limits.

#include "mainwindowfixture.h"

#include <QClipboard>
#include <QGuiApplication>

using quarnix::platform::MessageButtons;
using quarnix::platform::MessageIcon;
using quarnix::testing::MainWindowFixture;

namespace {

const QString countNotANumber = QStringLiteral("Invalid number. Specify number of chunks in integer only.");
const QString countTooSmall = QStringLiteral("The minimum number of splits for a file need to be 2.");
const QString sizeNotANumber
    = QStringLiteral("Invalid number. Specify file size in either integer or float.");
const QString sizeTooSmall = QStringLiteral("The minimum split size for a file need to be 1.25 MB. Go "
                                            "through readme.txt in the installation for details.");

// The background a field shows in its present state.
QColor backgroundOf(const QLineEdit* field)
{
    return field->palette().color(field->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Base);
}

// A colour of the user's scheme as the window has it, in the state `field` is in.
QColor schemeColour(const QWidget& window, const QLineEdit* field, QPalette::ColorRole role)
{
    return window.palette().color(field->isEnabled() ? QPalette::Active : QPalette::Disabled, role);
}

enum class Leave { ByTab, ByBacktab, ByClickOnSplit };

} // namespace

Q_DECLARE_METATYPE(Leave)

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void startUp();
    void defaultResetsTheSelectedModeOnly_data();
    void defaultResetsTheSelectedModeOnly();
    void defaultKeepsFocusAndSaysNothing();
    void switchingModes();
    void clickingTheSelectedOptionChangesNothing();
    void fieldColoursFollowTheScheme();
    void leaveFieldCheck_data();
    void leaveFieldCheck();
    void failedCheckDropsTheLeavingAction_data();
    void failedCheckDropsTheLeavingAction();
    void passedCheckLetsTheClickThrough();
    void focusLeavingWithTheWindowIsNoCheck();
    void typingLimits_data();
    void typingLimits();
    void pastingIsLimitedToo();
    void germanNumbers();
};

void SettingsTest::startUp()
{
    MainWindowFixture f;
    QVERIFY(f.option("optSize")->isChecked());
    QVERIFY(!f.option("optNumber")->isChecked());
    QVERIFY(f.window.isSizeSelected());

    QLineEdit* size = f.edit("txtSize");
    QLineEdit* count = f.edit("txtNumber");
    QVERIFY(size->isEnabled());
    QCOMPARE(size->text(), QStringLiteral("1.25"));
    QCOMPARE(backgroundOf(size), schemeColour(f.window, size, QPalette::Base));
    QVERIFY(!count->isEnabled());
    QCOMPARE(count->text(), QStringLiteral("2"));
    QCOMPARE(backgroundOf(count), schemeColour(f.window, count, QPalette::Button));
    QVERIFY(backgroundOf(size) != backgroundOf(count));

    QCOMPARE(f.edit("txtSource")->text(), QString());
    QCOMPARE(f.edit("txtDestination")->text(), QString());
    QCOMPARE(f.label("lblStatus")->text(), QString());
    QCOMPARE(f.focused(), f.edit("txtSource"));
    QCOMPARE(f.window.helpFile(), QStringLiteral("Qxhelp.hlp"));
    QVERIFY(f.fakes.messages.shown.isEmpty());
    QVERIFY(f.fakes.chooser.titles.isEmpty());
}

void SettingsTest::defaultResetsTheSelectedModeOnly_data()
{
    QTest::addColumn<bool>("countMode");
    QTest::addColumn<QString>("sizeBefore");
    QTest::addColumn<QString>("countBefore");
    QTest::addColumn<QString>("sizeAfter");
    QTest::addColumn<QString>("countAfter");
    QTest::newRow("size mode") << false << "3.5"
                               << "7"
                               << "1.25"
                               << "7";
    QTest::newRow("count mode") << true << "3.5"
                                << "7"
                                << "3.5"
                                << "2";
}

void SettingsTest::defaultResetsTheSelectedModeOnly()
{
    QFETCH(bool, countMode);
    QFETCH(QString, sizeBefore);
    QFETCH(QString, countBefore);
    QFETCH(QString, sizeAfter);
    QFETCH(QString, countAfter);
    MainWindowFixture f;
    // Both values entered the way a user enters them: typed, and left by a click.
    if (countMode) {
        f.type(f.edit("txtSize"), sizeBefore);
        f.click(f.option("optNumber"));
        f.type(f.edit("txtNumber"), countBefore);
    } else {
        f.click(f.option("optNumber"));
        f.type(f.edit("txtNumber"), countBefore);
        f.click(f.option("optSize"));
        f.type(f.edit("txtSize"), sizeBefore);
    }
    f.click(f.edit("txtSource"));
    QCOMPARE(f.edit("txtSize")->text(), sizeBefore);
    QCOMPARE(f.edit("txtNumber")->text(), countBefore);

    f.click(f.button("cmdDefault"));
    QCOMPARE(f.edit("txtSize")->text(), sizeAfter);
    QCOMPARE(f.edit("txtNumber")->text(), countAfter);
    QCOMPARE(f.window.isSizeSelected(), !countMode);
    QCOMPARE(f.edit("txtSize")->isEnabled(), !countMode);
    QCOMPARE(f.edit("txtNumber")->isEnabled(), countMode);
    QVERIFY(f.fakes.messages.shown.isEmpty());
}

void SettingsTest::defaultKeepsFocusAndSaysNothing()
{
    MainWindowFixture f;
    f.edit("txtDestination")->setFocus();
    f.edit("txtSize")->setText(QStringLiteral("0"));
    f.button("cmdDefault")->click();
    QCOMPARE(f.edit("txtSize")->text(), QStringLiteral("1.25"));
    QCOMPARE(f.focused(), f.edit("txtDestination"));
    QVERIFY(f.fakes.messages.shown.isEmpty());
}

void SettingsTest::switchingModes()
{
    MainWindowFixture f;
    QLineEdit* size = f.edit("txtSize");
    QLineEdit* count = f.edit("txtNumber");
    const QColor window = f.window.palette().color(QPalette::Active, QPalette::Base);
    const QColor face = f.window.palette().color(QPalette::Disabled, QPalette::Button);

    f.type(size, QStringLiteral("3"));
    f.click(f.option("optNumber"));
    QVERIFY(f.option("optNumber")->isChecked());
    QVERIFY(!f.option("optSize")->isChecked());
    QVERIFY(!f.window.isSizeSelected());
    QVERIFY(count->isEnabled());
    QCOMPARE(backgroundOf(count), window);
    QCOMPARE(count->text(), QStringLiteral("2"));
    QVERIFY(!size->isEnabled());
    QCOMPARE(backgroundOf(size), face);
    QCOMPARE(size->text(), QStringLiteral("3")); // the disabled field keeps its text

    f.type(count, QStringLiteral("7"));
    f.click(f.option("optSize"));
    QVERIFY(f.window.isSizeSelected());
    QCOMPARE(size->text(), QStringLiteral("1.25")); // the earlier 3 is gone
    QCOMPARE(backgroundOf(size), window);
    QVERIFY(!count->isEnabled());
    QCOMPARE(backgroundOf(count), face);
    QCOMPARE(count->text(), QStringLiteral("7"));

    f.click(f.option("optNumber"));
    QCOMPARE(count->text(), QStringLiteral("2")); // not 7
    QVERIFY(f.fakes.messages.shown.isEmpty());
}

void SettingsTest::clickingTheSelectedOptionChangesNothing()
{
    MainWindowFixture f;
    f.type(f.edit("txtSize"), QStringLiteral("4"));
    f.click(f.option("optSize"));
    QVERIFY(f.option("optSize")->isChecked());
    QCOMPARE(f.edit("txtSize")->text(), QStringLiteral("4"));

    f.click(f.option("optNumber"));
    f.type(f.edit("txtNumber"), QStringLiteral("9"));
    f.click(f.option("optNumber"));
    QCOMPARE(f.edit("txtNumber")->text(), QStringLiteral("9"));
    QVERIFY(f.fakes.messages.shown.isEmpty());
}

void SettingsTest::fieldColoursFollowTheScheme()
{
    MainWindowFixture f;
    const QPalette before = QApplication::palette();
    QPalette scheme = before;
    scheme.setColor(QPalette::Base, QColor(250, 240, 200));
    scheme.setColor(QPalette::Button, QColor(90, 100, 120));
    QApplication::setPalette(scheme);
    QLineEdit* size = f.edit("txtSize");
    QLineEdit* count = f.edit("txtNumber");
    QTRY_COMPARE(backgroundOf(size), QColor(250, 240, 200));
    QCOMPARE(backgroundOf(count), QColor(90, 100, 120));
    f.click(f.option("optNumber"));
    QCOMPARE(backgroundOf(size), QColor(90, 100, 120));
    QCOMPARE(backgroundOf(count), QColor(250, 240, 200));
    QApplication::setPalette(before);
}

void SettingsTest::leaveFieldCheck_data()
{
    QTest::addColumn<bool>("countField");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Leave>("leave");
    QTest::addColumn<QString>("title"); // empty: no message
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("textAfter");

    const QString error = QStringLiteral("Error");
    const QString unexpected = QStringLiteral("Unexpected value");
    QTest::newRow("count empty") << true << "" << Leave::ByTab << error << countNotANumber << "2";
    QTest::newRow("count blanks") << true << "  " << Leave::ByTab << error << countNotANumber << "2";
    QTest::newRow("count letters") << true << "x" << Leave::ByBacktab << error << countNotANumber << "2";
    QTest::newRow("count 1") << true << "1" << Leave::ByTab << unexpected << countTooSmall << "2";
    QTest::newRow("count 0") << true << "0" << Leave::ByClickOnSplit << unexpected << countTooSmall << "2";
    QTest::newRow("count -1") << true << "-1" << Leave::ByTab << unexpected << countTooSmall << "2";
    QTest::newRow("count 2") << true << "2" << Leave::ByTab << ""
                             << ""
                             << "2";
    QTest::newRow("count 99") << true << "99" << Leave::ByTab << ""
                              << ""
                              << "99";
    QTest::newRow("count with blank") << true << " 5" << Leave::ByTab << ""
                                      << ""
                                      << " 5";
    QTest::newRow("size abc") << false << "abc" << Leave::ByTab << error << sizeNotANumber << "1.25";
    QTest::newRow("size empty") << false << "" << Leave::ByClickOnSplit << error << sizeNotANumber << "1.25";
    QTest::newRow("size 1.2") << false << "1.2" << Leave::ByTab << unexpected << sizeTooSmall << "1.25";
    QTest::newRow("size 1.249") << false << "1.249" << Leave::ByBacktab << unexpected << sizeTooSmall
                                << "1.25";
    QTest::newRow("size 0") << false << "0" << Leave::ByTab << unexpected << sizeTooSmall << "1.25";
    QTest::newRow("size 1.25") << false << "1.25" << Leave::ByTab << ""
                               << ""
                               << "1.25";
    QTest::newRow("size 650.5") << false << "650.5" << Leave::ByTab << ""
                                << ""
                                << "650.5";
    QTest::newRow("size exponent") << false << "2e2" << Leave::ByTab << ""
                                   << ""
                                   << "2e2";
    QTest::newRow("size 3") << false << "3" << Leave::ByTab << ""
                            << ""
                            << "3";
}

void SettingsTest::leaveFieldCheck()
{
    QFETCH(bool, countField);
    QFETCH(QString, typed);
    QFETCH(Leave, leave);
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(QString, textAfter);
    MainWindowFixture f;
    if (countField)
        f.click(f.option("optNumber"));
    QLineEdit* field = f.edit(countField ? "txtNumber" : "txtSize");
    f.type(field, typed);
    QCOMPARE(field->text(), typed);

    // What the user sees while the box is up.
    QString textWhileShown = QStringLiteral("<no box>");
    f.fakes.messages.onShow = [&](const auto&) { textWhileShown = field->text(); };
    switch (leave) {
    case Leave::ByTab:
        QTest::keyClick(field, Qt::Key_Tab);
        break;
    case Leave::ByBacktab:
        QTest::keyClick(field, Qt::Key_Backtab);
        break;
    case Leave::ByClickOnSplit:
        f.click(f.button("cmdSplit"));
        break;
    }

    QCOMPARE(field->text(), textAfter);
    if (title.isEmpty()) {
        QVERIFY(f.fakes.messages.shown.isEmpty() || leave == Leave::ByClickOnSplit);
        QVERIFY(f.focused() != field);
        return;
    }
    QCOMPARE(f.fakes.messages.shown.size(), 1);
    const auto shown = f.fakes.messages.shown.first();
    QCOMPARE(shown.title, title);
    QCOMPARE(shown.text, message);
    QCOMPARE(shown.icon, MessageIcon::Error);
    QCOMPARE(shown.buttons, MessageButtons::Ok);
    QCOMPARE(textWhileShown, typed); // the default is written after the box
    // Back in the field with the whole default selected, ready to be typed over.
    QCOMPARE(f.focused(), field);
    QCOMPARE(field->selectionStart(), 0);
    QCOMPARE(field->selectedText(), textAfter);
    QTest::keyClicks(field, QStringLiteral("5"));
    QCOMPARE(field->text(), QStringLiteral("5"));
}

void SettingsTest::failedCheckDropsTheLeavingAction_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("byAccessKey");
    QTest::newRow("click on Split") << "cmdSplit" << false;
    QTest::newRow("Alt+S") << "cmdSplit" << true;
    QTest::newRow("click on Default") << "cmdDefault" << false;
    QTest::newRow("Alt+D") << "cmdDefault" << true;
    QTest::newRow("click on the other option") << "optNumber" << false;
    QTest::newRow("click on browse") << "cmdBrowse" << false;
    QTest::newRow("click on destination browse") << "cmdBrowseD" << false;
    QTest::newRow("click on Exit") << "cmdExit" << false;
    QTest::newRow("Alt+E") << "cmdExit" << true;
}

void SettingsTest::failedCheckDropsTheLeavingAction()
{
    QFETCH(QString, target);
    QFETCH(bool, byAccessKey);
    MainWindowFixture f;
    QLineEdit* size = f.edit("txtSize");
    f.type(size, QStringLiteral("0.5"));
    QWidget* control = f.control(qPrintable(target));
    if (byAccessKey) {
        const auto key = Qt::Key(Qt::Key_A
            + (target == QLatin1String("cmdSplit")          ? 'S' - 'A'
                    : target == QLatin1String("cmdDefault") ? 'D' - 'A'
                                                            : 'E' - 'A'));
        QTest::keyClick(&f.window, key, Qt::AltModifier);
    } else {
        f.click(control);
    }
    QTest::qWait(250); // an access key's click comes a moment after the key

    // One message, the check's; the split, the browse dialog, the other option,
    // the folder message and Exit all did not happen.
    QCOMPARE(f.fakes.messages.shown.size(), 1);
    QCOMPARE(f.fakes.messages.shown.first().text, sizeTooSmall);
    QVERIFY(f.fakes.chooser.titles.isEmpty());
    QVERIFY(f.window.isSizeSelected());
    QVERIFY(f.window.isVisible());
    QCOMPARE(f.focused(), size);
    QCOMPARE(size->text(), QStringLiteral("1.25"));
    QCOMPARE(size->selectedText(), QStringLiteral("1.25"));

    // The next click is the user's own again.
    f.click(f.button("cmdBrowse"));
    QCOMPARE(f.fakes.chooser.titles.size(), 1);
}

void SettingsTest::passedCheckLetsTheClickThrough()
{
    MainWindowFixture f;
    f.type(f.edit("txtSize"), QStringLiteral("2"));
    f.click(f.button("cmdSplit"));
    // The split ran: with no source it says so.
    QCOMPARE(f.fakes.messages.shown.size(), 1);
    QCOMPARE(f.fakes.messages.shown.first().title, QStringLiteral("Source file missing"));

    f.click(f.option("optNumber"));
    f.type(f.edit("txtNumber"), QStringLiteral("5"));
    QTest::keyClick(&f.window, Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(f.edit("txtNumber")->text(), QStringLiteral("2"));
    QCOMPARE(f.fakes.messages.shown.size(), 1);
}

void SettingsTest::focusLeavingWithTheWindowIsNoCheck()
{
    MainWindowFixture f;
    QLineEdit* size = f.edit("txtSize");
    f.type(size, QStringLiteral("x"));
    // Another window taking the focus is not leaving the field: it gets the focus
    // back with the window.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(f.fakes.messages.shown.isEmpty());
    QCOMPARE(size->text(), QStringLiteral("x"));
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QCOMPARE(f.focused(), size);
    QVERIFY(f.fakes.messages.shown.isEmpty());
}

void SettingsTest::typingLimits_data()
{
    QTest::addColumn<bool>("countField");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("count takes 2") << true << "123"
                                   << "12";
    QTest::newRow("size takes 5") << false << "650.55"
                                  << "650.5";
    QTest::newRow("size 5 exactly") << false << "12345"
                                    << "12345";
}

void SettingsTest::typingLimits()
{
    QFETCH(bool, countField);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    MainWindowFixture f;
    if (countField)
        f.click(f.option("optNumber"));
    QLineEdit* field = f.edit(countField ? "txtNumber" : "txtSize");
    f.type(field, typed);
    QCOMPARE(field->text(), kept);
}

void SettingsTest::pastingIsLimitedToo()
{
    MainWindowFixture f;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("123456789"));
    if (clipboard->text() != QLatin1String("123456789"))
        QSKIP("no clipboard on this platform");
    QLineEdit* size = f.edit("txtSize");
    size->setFocus();
    size->selectAll();
    QTest::keyClick(size, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(size->text(), QStringLiteral("12345"));
}

void SettingsTest::germanNumbers()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        MainWindowFixture f;
        QLineEdit* size = f.edit("txtSize");
        QCOMPARE(size->text(), QStringLiteral("1,25"));

        f.type(size, QStringLiteral("1,5"));
        QTest::keyClick(size, Qt::Key_Tab);
        QVERIFY(f.fakes.messages.shown.isEmpty());
        QCOMPARE(size->text(), QStringLiteral("1,5"));

        f.type(size, QStringLiteral("1,2"));
        QTest::keyClick(size, Qt::Key_Tab);
        QCOMPARE(f.fakes.messages.shown.size(), 1);
        QCOMPARE(f.fakes.messages.shown.last().text, sizeTooSmall);
        QCOMPARE(size->text(), QStringLiteral("1,25"));

        f.type(size, QStringLiteral("7"));
        f.button("cmdDefault")->click();
        QCOMPARE(size->text(), QStringLiteral("1,25"));
    }
    QLocale::setDefault(before);
}

QTEST_MAIN(SettingsTest)
#include "settingstest.moc"
