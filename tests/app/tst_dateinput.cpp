// Date fields as a user meets them: clicks, typed dates, impossible dates,
// and the person panel after a resize.
#include "app/ui/cdateedit.h"
#include "app/ui/cpersonpanel.h"
#include "tests/common/mainwindowstart.h"
#include "tests/common/modaldialogs.h"
#include "tests/common/widgettestmain.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

namespace {

// Sends a click to whatever child sits under @p pos, as a real mouse would.
void clickAt(QWidget *w, const QPoint &pos)
{
    QWidget *target = w->childAt(pos);
    if (!target)
        target = w;
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(w, pos));
}

void closePopups()
{
    while (QWidget *p = QApplication::activePopupWidget())
        p->close();
}

// Pixels of the left two thirds of a field that differ from its background.
int inkPixels(QWidget *w)
{
    const QImage img = w->grab().toImage();
    const QRgb bg = img.pixel(img.width() / 2, 3);
    int ink = 0;
    for (int y = 4; y < img.height() - 4; ++y)
        for (int x = 4; x < img.width() * 2 / 3; ++x)
            ink += qAbs(qGray(img.pixel(x, y)) - qGray(bg)) > 60 ? 1 : 0;
    return ink;
}

} // namespace

class TestDateInput : public QObject
{
    Q_OBJECT

    std::unique_ptr<CQZNum> m_win;

    CPersonPanel *panel() const { return m_win->personPanel(); }

    void openPersonPanel()
    {
        if (!m_win->personPanelOpen())
            m_win->OnNameSel();
        QVERIFY(m_win->personPanelOpen());
    }

    void typeInto(QWidget *field, const QString &text)
    {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(qztest::prepareMainWindowState());
        QVERIFY(qztest::startMainWindow(m_win));
        openPersonPanel();
    }

    void cleanupTestCase() { m_win.reset(); }

    void singleClicksNeverChangeTheDate_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("birth date") << "birthDate";
        QTest::newRow("partner birth date") << "partnerBirthDate";
        QTest::newRow("forecast date") << "forecastDate";
    }

    void singleClicksNeverChangeTheDate()
    {
        QFETCH(QString, field);
        auto *w = m_win->findChild<QWidget *>(field);
        QVERIFY(w);
        if (field == QLatin1String("forecastDate") && m_win->personPanelOpen())
            m_win->OnNameSel();
        QTRY_VERIFY(w->isVisible());
        const QDate start(1985, 11, 29);
        QVERIFY(QMetaObject::invokeMethod(w, "setDate", Q_ARG(QDate, start)));
        // Everywhere left of the calendar button a click only places the cursor.
        for (int x = 2; x < w->width() - 24; x += 3) {
            clickAt(w, QPoint(x, w->height() / 2));
            closePopups();
            const QDate now = w->property("date").toDate();
            QVERIFY2(now == start, qPrintable(QStringLiteral("click at x=%1 gave %2").arg(x).arg(now.toString())));
        }
        openPersonPanel();
    }

    void clickOnTheButtonOpensTheCalendar()
    {
        QWidget *w = panel()->birthDate;
        clickAt(w, QPoint(w->width() - 8, w->height() / 2));
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        closePopups();
        QCOMPARE(panel()->birthDate->date(), QDate(1985, 11, 29));
    }

    void typedDatesAreTakenAsTyped_data()
    {
        QTest::addColumn<bool>("dayFirst");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("day first") << true << "15/06/1990" << QDate(1990, 6, 15);
        QTest::newRow("month first") << false << "11/29/1985" << QDate(1985, 11, 29);
        QTest::newRow("digits only") << true << "01021970" << QDate(1970, 2, 1);
        QTest::newRow("leap day") << false << "02/29/2000" << QDate(2000, 2, 29);
        QTest::newRow("old date") << true << "31/12/1899" << QDate(1899, 12, 31);
    }

    void typedDatesAreTakenAsTyped()
    {
        QFETCH(bool, dayFirst);
        QFETCH(QString, typed);
        QFETCH(QDate, expected);
        panel()->setDayFirst(dayFirst);
        panel()->birthDate->setDate(QDate(2001, 3, 4));
        typeInto(panel()->birthDate, typed);
        QCOMPARE(panel()->birthDate->date(), expected);
        QVERIFY(!panel()->birthDate->property("dateInvalid").toBool());
        // Also with the cursor at the start and nothing selected.
        panel()->birthDate->setDate(QDate(2001, 3, 4));
        panel()->birthDate->setFocus();
        QTest::keyClick(panel()->birthDate, Qt::Key_Home);
        QTest::keyClicks(panel()->birthDate, typed);
        QCOMPARE(panel()->birthDate->date(), expected);
        panel()->setDayFirst(false);
    }

    void impossibleDatesAreRefusedVisibly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("30 February") << "30/02/1990";
        QTest::newRow("month 13") << "12/13/1990";
        QTest::newRow("far future") << "01/01/2099";
        QTest::newRow("day zero") << "00/05/1990";
    }

    void impossibleDatesAreRefusedVisibly()
    {
        QFETCH(QString, typed);
        panel()->setDayFirst(true);
        panel()->fullName->setText(QStringLiteral("Ann Lee"));
        panel()->birthDate->setDate(QDate(1980, 7, 7));
        const QDate before = panel()->birthDate->date();
        typeInto(panel()->birthDate, typed);
        // Never another date in its place.
        QCOMPARE(panel()->birthDate->date(), before);
        QVERIFY(panel()->birthDate->property("dateInvalid").toBool());

        // APPLY names the wrong date and keeps the panel open.
        QString shown;
        qztest::catchMessage(&shown);
        m_win->OnNameSel();
        QVERIFY2(shown.contains(typed), qPrintable(shown));
        QVERIFY(shown.contains(QStringLiteral("Birth Date")));
        QVERIFY(m_win->personPanelOpen());

        // A good date clears the mark.
        typeInto(panel()->birthDate, QStringLiteral("07/08/1980"));
        QCOMPARE(panel()->birthDate->date(), QDate(1980, 8, 7));
        QVERIFY(!panel()->birthDate->property("dateInvalid").toBool());
        panel()->setDayFirst(false);
    }

    void impossibleDatesSayWhatIsWrong_data()
    {
        QTest::addColumn<bool>("dayFirst");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reason");
        QTest::newRow("30 February") << false << "02/30/1985" << "February 1985 has no day 30.";
        QTest::newRow("29 February, no leap year") << true << "29/02/2023" << "February 2023 has no day 29.";
        QTest::newRow("31 April") << true << "31/04/2024" << "April 2024 has no day 31.";
        QTest::newRow("day zero") << true << "00/05/1990" << "May 1990 has no day 0.";
        QTest::newRow("month 13") << false << "13/05/1990" << "there is no month 13.";
        QTest::newRow("month zero") << true << "05/00/1990" << "there is no month 0.";
        QTest::newRow("year zero") << false << "01/01/0000" << "there is no year 0000.";
        QTest::newRow("half typed") << false << "02/3" << "is not a date in the form MM/DD/YYYY.";
    }

    void impossibleDatesSayWhatIsWrong()
    {
        QFETCH(bool, dayFirst);
        QFETCH(QString, typed);
        QFETCH(QString, reason);
        CDateEdit edit(QDate(1980, 7, 7));
        edit.setDisplayFormat(dayFirst ? QStringLiteral("dd/MM/yyyy") : QStringLiteral("MM/dd/yyyy"));
        edit.setText(typed);
        QVERIFY(!edit.isTextValid());
        QVERIFY2(edit.problem().endsWith(reason), qPrintable(edit.problem()));
        QCOMPARE(edit.date(), QDate(1980, 7, 7));
    }

    void resizeKeepsDatesShowing()
    {
        panel()->birthDate->setDate(QDate(1985, 11, 29));
        panel()->partnerBirthDate->setDate(QDate(1987, 3, 14));
        QTRY_VERIFY(inkPixels(panel()->birthDate) > 20);
        for (const QSize &s : {QSize(1440, 900), QSize(1100, 700), QSize(1920, 1080), QSize(1100, 700)}) {
            m_win->resize(s);
            QApplication::processEvents();
            for (QWidget *d : {static_cast<QWidget *>(panel()->birthDate),
                               static_cast<QWidget *>(panel()->partnerBirthDate)}) {
                QVERIFY2(inkPixels(d) > 20, qPrintable(d->objectName()));
                // Inner parts of a date field stay inside it.
                for (QWidget *inner : d->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
                    if (inner->isVisible())
                        QVERIFY(d->rect().contains(inner->geometry()));
            }
        }
    }
};

QZ_WIDGET_TEST_MAIN(TestDateInput)
#include "tst_dateinput.moc"
