// Ways in and out: the guide's Back and Home, the menu's shortcuts, and links
// that lead somewhere or are not shown.
#include "app/ui/caboutdlg.h"
#include "engine/datafolder.h"
#include "tests/common/mainwindowstart.h"
#include "tests/common/modaldialogs.h"
#include "tests/common/widgettestmain.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QWebEngineHistory>
#include <QWebEngineView>
#include <QtTest>

class TestNavigation : public QObject
{
    Q_OBJECT

    std::unique_ptr<CQZNum> m_win;

    QWebEngineView *guideView() const { return m_win->findChild<QWebEngineView *>(QStringLiteral("view8")); }
    static QUrl manual(const QString &page)
    {
        return QUrl::fromLocalFile(DataFolder::path() + QStringLiteral("/images/manual/") + page);
    }
    // Follows a link inside the guide as a click on it would. The view may
    // still be finishing an earlier load, whose loadFinished() a spy would
    // take for this one; the page itself is what counts.
    void openGuidePage(const QString &page)
    {
        guideView()->load(manual(page));
        QTRY_COMPARE_WITH_TIMEOUT(guideView()->url(), manual(page), 20000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(qztest::prepareMainWindowState());
        QVERIFY(qztest::startMainWindow(m_win));
    }

    void cleanupTestCase() { m_win.reset(); }

    void guideHasAWayBack()
    {
        m_win->featureButton(CQZNum::FeatGuide)->click();
        QCOMPARE(m_win->currentFeature(), int(CQZNum::FeatGuide));
        QTRY_COMPARE_WITH_TIMEOUT(guideView()->url(), manual(QStringLiteral("index.html")), 20000);
        auto *back = m_win->findChild<QPushButton *>(QStringLiteral("guideBack"));
        auto *home = m_win->findChild<QPushButton *>(QStringLiteral("guideHome"));
        QVERIFY(back && home);
        QTRY_VERIFY(back->isVisible() && home->isVisible());
        // The buttons sit above the page, not over it.
        QVERIFY(back->mapTo(m_win.get(), QPoint(0, back->height())).y()
                <= guideView()->mapTo(m_win.get(), QPoint(0, 0)).y());

        openGuidePage(QStringLiteral("manual/start.html"));
        back->click();
        QTRY_COMPARE_WITH_TIMEOUT(guideView()->url(), manual(QStringLiteral("index.html")), 20000);

        openGuidePage(QStringLiteral("manual/start.html"));
        QTest::keyClick(m_win.get(), Qt::Key_Left, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(guideView()->url(), manual(QStringLiteral("index.html")), 20000);

        openGuidePage(QStringLiteral("manual/start.html"));
        QTest::keyClick(m_win.get(), Qt::Key_Backspace);
        QTRY_COMPARE_WITH_TIMEOUT(guideView()->url(), manual(QStringLiteral("index.html")), 20000);

        // Home, and the Guide button pressed again, return to the first page.
        openGuidePage(QStringLiteral("manual/start.html"));
        home->click();
        QTRY_COMPARE_WITH_TIMEOUT(guideView()->url(), manual(QStringLiteral("index.html")), 20000);
        openGuidePage(QStringLiteral("manual/start.html"));
        m_win->featureButton(CQZNum::FeatGuide)->click();
        QTRY_COMPARE_WITH_TIMEOUT(guideView()->url(), manual(QStringLiteral("index.html")), 20000);
    }

    void menuShortcutsWorkWithTheMenuClosed()
    {
        m_win->featureButton(CQZNum::FeatNumerology)->click();
        QVERIFY(!m_win->mainMenu()->isVisible());
        QString opened;
        qztest::whenModal<QWidget>([&opened](QWidget *w) {
            opened = w->windowTitle() + QLatin1Char('|') + QString::fromLatin1(w->metaObject()->className());
            w->close();
        });
        QTest::keyClick(m_win.get(), Qt::Key_P, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!opened.isEmpty(), 20000);
    }

    void linksLeadSomewhereOrAreHidden()
    {
        // This build has no online addresses configured.
        for (QAction *a : m_win->mainMenu()->actions()) {
            if (a->text() == QLatin1String("Support"))
                QVERIFY(!a->isVisible());
        }
        m_win->featureButton(CQZNum::FeatNumerology)->click();
        m_win->OnHelp();
        QCOMPARE(m_win->currentFeature(), int(CQZNum::FeatGuide));
        QTRY_COMPARE_WITH_TIMEOUT(guideView()->url(), manual(QStringLiteral("index.html")), 20000);

        CAboutDlg about(m_win.get());
        about.show();
        for (QPushButton *b : about.findChildren<QPushButton *>()) {
            if (b->text() == QLatin1String("Visit Qzarel"))
                QVERIFY(!b->isVisible());
            else
                QVERIFY(b->isVisible());
        }
    }
};

QZ_WIDGET_TEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
