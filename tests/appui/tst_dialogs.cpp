#include "app/ui/caboutdlg.h"
#include "app/ui/ceuladlg.h"
#include "app/ui/csettingsdlg.h"
#include "tests/common/widgettestmain.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestDialogs : public QObject
{
    Q_OBJECT

    static QList<QCheckBox *> boxes(const CSettingsDlg &d)
    {
        return d.findChildren<QCheckBox *>(QString(), Qt::FindDirectChildrenOnly);
    }

private slots:
    void eulaAcceptAndReject()
    {
        CEulaDlg accept;
        QCOMPARE(accept.size(), QSize(400, 400));
        QCOMPARE(accept.m_result, -1);
        QTimer::singleShot(0, &accept, [&] {
            accept.findChild<QPushButton *>(QStringLiteral("acceptBut"))->click();
        });
        QCOMPARE(accept.exec(), int(QDialog::Accepted));
        QCOMPARE(accept.m_result, 0);

        CEulaDlg reject;
        QTimer::singleShot(0, &reject, [&] {
            reject.findChild<QPushButton *>(QStringLiteral("rejectBut"))->click();
        });
        QCOMPARE(reject.exec(), int(QDialog::Rejected));
        QCOMPARE(reject.m_result, -1);

        CEulaDlg closed;
        QTimer::singleShot(0, &closed, [&] { closed.close(); });
        closed.exec();
        QCOMPARE(closed.m_result, -1);
        QVERIFY(CEulaDlg::licenceText().contains(QLatin1String("Accept")));
    }

    void settingsLayoutAndValues()
    {
        CSettingsDlg d;
        QCOMPARE(d.size(), QSize(400, 370));
        QCOMPARE(d.windowTitle(), QStringLiteral("Settings"));
        const QList<QCheckBox *> b = boxes(d);
        QCOMPARE(b.size(), 8);
        QCOMPARE(b.at(5)->objectName(), QStringLiteral("checkBoxNameWD"));
        QCOMPARE(b.at(5)->text(), QStringLiteral("Don't generate missed transits"));
        QCOMPARE(b.at(5)->geometry(), QRect(30, 220, 301, 20));

        const QByteArray custom("\x00\x01\x01\x00\x00\x01", 6);
        d.setValues(custom, true, 1);
        QCOMPARE(d.flags(), custom);
        QVERIFY(d.dayFirstDates());
        QCOMPARE(d.extendedMasters(), 1);

        // Only an exact 1 ticks the master-number box.
        d.setValues(custom, false, 7);
        QCOMPARE(d.extendedMasters(), 0);
    }

    void restoreDefaultsThenCancelChangesNothingOutside()
    {
        CSettingsDlg d;
        const QByteArray custom("\x00\x01\x01\x00\x00\x01", 6);
        d.setValues(custom, true, 1);
        QTimer::singleShot(0, &d, [&] {
            d.findChild<QPushButton *>(QStringLiteral("defaultSettingsBut"))->click();
            QCOMPARE(d.flags(), QByteArray("\x01\x00\x00\x01\x01\x00", 6));
            QVERIFY(!d.dayFirstDates());
            QCOMPARE(d.extendedMasters(), 0);
            d.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
        });
        QCOMPARE(d.exec(), int(QDialog::Rejected));
    }

    void settingsOk()
    {
        CSettingsDlg d;
        d.setValues(QByteArray("\x01\x00\x00\x01\x01\x00", 6), false, 0);
        QTimer::singleShot(0, &d, [&] {
            boxes(d).at(1)->setChecked(true);
            d.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QCOMPARE(d.flags(), QByteArray("\x01\x01\x00\x01\x01\x00", 6));
    }

    void aboutShowsVersion()
    {
        CAboutDlg d;
        QCOMPARE(d.size(), QSize(400, 220));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))
                    .match(CAboutDlg::versionText())
                    .hasMatch());
    }
};

QZ_WIDGET_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
