// What the eye meets first: the loading screen in the saved theme, hints that
// do not pass for typed text, recent names shortened where they end.
#include "app/ui/cdateedit.h"
#include "app/ui/cpersonpanel.h"
#include "panels/ctheme.h"
#include "panels/panelpaint.h"
#include "tests/common/mainwindowstart.h"
#include "tests/common/widgettestmain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

class TestLookAndFeel : public QObject
{
    Q_OBJECT

    static AppState themed(int theme)
    {
        AppState s = qztest::quietState();
        s.themeIndex = theme;
        return s;
    }

private slots:
    void loadingScreenUsesTheSavedTheme_data()
    {
        QTest::addColumn<int>("theme");
        for (int t = 0; t < 7; ++t)
            QTest::newRow(qPrintable(QString::number(t))) << t;
    }

    void loadingScreenUsesTheSavedTheme()
    {
        QFETCH(int, theme);
        QVERIFY(qztest::prepareMainWindowState(themed(theme)));
        CQZNum w(nullptr, 60000); // start-up not finished during the test
        w.resize(1100, 700);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!w.startUpFinished());
        QCOMPARE(w.theme()->currentIndex(), theme);
        auto *loading = w.findChild<QLabel *>(QStringLiteral("loadingText"));
        QVERIFY(loading && loading->isVisible());
        const QPalette pal = loading->palette();
        const double ratio = PanelPaint::contrastRatio(pal.color(QPalette::WindowText), pal.color(QPalette::Window));
        QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
        QVERIFY(loading->autoFillBackground() || loading->testAttribute(Qt::WA_StyledBackground)
                || loading->styleSheet().contains(QStringLiteral("background")));
        // No name prompt before start-up knows whether a person comes back.
        QVERIFY(w.personButton()->text() != CQZNum::NamePrompt);
    }

    void hintsAreDimmerThanTypedText()
    {
        QVERIFY(qztest::prepareMainWindowState(themed(0)));
        std::unique_ptr<CQZNum> w;
        QVERIFY(qztest::startMainWindow(w));
        w->OnNameSel();
        CPersonPanel *p = w->personPanel();
        p->shortName->clear();
        auto *hint = p->shortName->findChild<QLabel *>();
        QVERIFY(hint);
        QTRY_VERIFY(hint->isVisible());
        QCOMPARE(hint->text(), QStringLiteral("Everyday name (optional)"));
        const QColor hintColour = hint->palette().color(QPalette::WindowText);
        const QColor typedColour = p->shortName->palette().color(QPalette::Text);
        QVERIFY2(hintColour.lightness() + 40 < typedColour.lightness(),
                 qPrintable(hintColour.name() + QLatin1Char(' ') + typedColour.name()));
        QVERIFY(hint->font().italic());
        // Still readable on the field.
        QVERIFY(PanelPaint::contrastRatio(hintColour, p->shortName->palette().color(QPalette::Base)) >= 4.5);
        p->shortName->setText(QStringLiteral("Ann"));
        QVERIFY(!hint->isVisible());
        p->shortName->clear();
        QVERIFY(hint->isVisible());
        w->OnNameSel();
    }

    void longRecentNamesEndWithEllipsis()
    {
        QVERIFY(qztest::prepareMainWindowState(themed(0)));
        std::unique_ptr<CQZNum> w;
        QVERIFY(qztest::startMainWindow(w));
        CPersonPanel *p = w->personPanel();
        const QString longName = QStringLiteral("Maria Alexandra Montgomery Fitzgerald Wellington");
        p->fullName->setText(longName);
        p->birthDate->setDate(QDate(1985, 11, 29));
        w->OnCalcNum();
        w->OnNameSel();
        QPushButton *b = p->recent[0];
        QTRY_VERIFY(b->isVisible());
        const QStringList lines = b->text().split(QLatin1Char('\n'));
        QVERIFY(lines.first().startsWith(QStringLiteral("Maria")));
        QVERIFY(lines.first().endsWith(QChar(0x2026)));
        for (const QString &line : lines)
            QVERIFY2(b->fontMetrics().horizontalAdvance(line) <= b->width() - 12, qPrintable(line));
        QVERIFY(b->toolTip().contains(longName));
        w->OnNameSel();
    }
};

QZ_WIDGET_TEST_MAIN(TestLookAndFeel)
#include "tst_lookandfeel.moc"
