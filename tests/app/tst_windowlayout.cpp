// The window at the sizes people use: nothing overlaps, nothing is cut off,
// and the panels of every page are on screen.
#include "app/ui/cdateedit.h"
#include "app/ui/cpersonpanel.h"
#include "panels/cinfocompmatrwidget.h"
#include "panels/cinfowidget.h"
#include "tests/common/mainwindowstart.h"
#include "tests/common/widgettestmain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

namespace {

QRect inWindow(const QWidget *w, const QWidget *win)
{
    return QRect(w->mapTo(win, QPoint(0, 0)), w->size());
}

// Text cut at a clip edge leaves ink in the columns just before it; text that
// fits ends earlier. Returns the first row whose pixels at columns
// [edge - 2, edge) differ from the plain body at column @p bodyX, or -1.
int rowInkedBefore(const QImage &img, int header, int rows, int edge, int bodyX)
{
    for (int i = 0; i < rows; ++i) {
        const int top = header + 3 + i * CInfoWidget::RowHeight;
        for (int y = top; y < top + CInfoWidget::RowHeight; ++y) {
            const QRgb body = img.pixel(bodyX, y);
            if (img.pixel(edge - 2, y) != body || img.pixel(edge - 1, y) != body)
                return i;
        }
    }
    return -1;
}

} // namespace

class TestWindowLayout : public QObject
{
    Q_OBJECT

    std::unique_ptr<CQZNum> m_win;

    // Everything outside the content column that must stay clear of it.
    QList<QWidget *> frameWidgets() const
    {
        QList<QWidget *> list;
        for (int f = 0; f < CQZNum::FeatureCount; ++f)
            list << m_win->featureButton(f);
        list << m_win->personButton();
        for (const char *name : {"rightPanel", "layoutCaption", "layoutChooser", "reportManagerBut", "toolRow"})
            list << m_win->findChild<QWidget *>(QLatin1String(name));
        return list;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(qztest::prepareMainWindowState());
        QDir().mkpath(AppPaths::userFolder());
        AppPaths::copySampleCharts(AppPaths::templateFolder(), AppPaths::userFolder());
        QVERIFY(qztest::startMainWindow(m_win));
        CPersonPanel *p = m_win->personPanel();
        p->fullName->setText(QStringLiteral("Maria Alexandra Montgomery"));
        p->birthDate->setDate(QDate(1985, 11, 29));
        p->partnerFullName->setText(QStringLiteral("John Smith"));
        p->partnerBirthDate->setDate(QDate(1987, 3, 14));
        m_win->OnCalcNum();
    }

    void cleanupTestCase() { m_win.reset(); }

    void hasAMinimumSize()
    {
        m_win->resize(800, 560);
        QVERIFY(m_win->width() >= 1024);
        QVERIFY(m_win->height() >= 700);
        m_win->resize(1024, 680);
        QCOMPARE(m_win->size(), QSize(1024, 700));
    }

    void pagesAndPanelsStayApart_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("feature");
        for (const QSize &s : {QSize(1024, 700), QSize(1100, 700), QSize(1440, 900), QSize(1920, 1080)}) {
            for (int f = 0; f < CQZNum::FeatureCount; ++f)
                QTest::newRow(qPrintable(QStringLiteral("%1x%2 feature %3").arg(s.width()).arg(s.height()).arg(f)))
                    << s << f;
        }
    }

    void pagesAndPanelsStayApart()
    {
        QFETCH(QSize, size);
        QFETCH(int, feature);
        m_win->resize(size);
        QCOMPARE(m_win->size(), size);
        m_win->featureButton(feature)->click();
        QTRY_VERIFY(!m_win->slidesRunning());
        const QRect window = m_win->rect();
        const QRect page = inWindow(m_win->page(feature), m_win.get());
        QList<QRect> taken;
        for (QWidget *w : m_win->panelsOf(feature)) {
            const QRect r = inWindow(w, m_win.get());
            QVERIFY2(window.contains(r), qPrintable(w->objectName() + QLatin1String(" is cut off")));
            QVERIFY2(!r.intersects(page), "a panel covers the page");
            for (const QRect &other : qAsConst(taken))
                QVERIFY2(!r.intersects(other), "two panels overlap");
            taken << r;
        }
        taken << page;
        QVERIFY(window.contains(page));
        // Controls on the page stay whole inside it.
        for (QWidget *c : m_win->page(feature)->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (c->isVisibleTo(m_win->page(feature)) && !qobject_cast<QWebEngineView *>(c))
                QVERIFY2(m_win->page(feature)->rect().contains(c->geometry()), qPrintable(c->objectName()));
        }
        for (QWidget *w : frameWidgets()) {
            const QRect r = inWindow(w, m_win.get());
            QVERIFY2(window.contains(r), qPrintable(w->objectName() + QLatin1String(" is cut off")));
            for (const QRect &t : qAsConst(taken))
                QVERIFY2(!r.intersects(t), qPrintable(w->objectName() + QLatin1String(" is covered")));
        }
    }

    void chartPageKeepsItsControlsWhole_data()
    {
        QTest::addColumn<QSize>("size");
        for (const QSize &s : {QSize(1024, 700), QSize(1100, 700), QSize(1440, 900), QSize(1920, 1080)})
            QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(s.width()).arg(s.height()))) << s;
    }

    void chartPageKeepsItsControlsWhole()
    {
        QFETCH(QSize, size);
        m_win->resize(size);
        m_win->featureButton(CQZNum::FeatChart)->click();
        QTRY_VERIFY(!m_win->slidesRunning());
        QWidget *page = m_win->page(CQZNum::FeatChart);
        // The preview never reaches under the feature buttons.
        QVERIFY(inWindow(page, m_win.get()).left() > m_win->featureButton(0)->geometry().right());
        auto *chooser = m_win->chartChooser();
        QVERIFY(chooser->count() > 0);
        QList<QWidget *> controls{m_win->findChild<QWidget *>(QStringLiteral("chartCaption")), chooser};
        for (QPushButton *b : page->findChildren<QPushButton *>())
            controls << b;
        auto *preview = m_win->findChild<QWidget *>(QStringLiteral("chartPreview"));
        QList<QRect> seen{preview->geometry()};
        for (QWidget *c : controls) {
            QVERIFY2(page->rect().contains(c->geometry()), qPrintable(c->objectName()));
            for (const QRect &r : qAsConst(seen))
                QVERIFY(!c->geometry().intersects(r));
            seen << c->geometry();
        }
        // Chart names are shown whole.
        for (int i = 0; i < chooser->count(); ++i)
            QVERIFY2(chooser->fontMetrics().horizontalAdvance(chooser->itemText(i)) + 30 <= chooser->width(),
                     qPrintable(chooser->itemText(i)));
    }

    void reportsNeverScrollSideways_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("feature");
        for (const QSize &s : {QSize(1024, 700), QSize(1100, 700)}) {
            for (int f : {int(CQZNum::FeatNumerology), int(CQZNum::FeatPMatrix), int(CQZNum::FeatCompatibility)})
                QTest::newRow(qPrintable(QStringLiteral("%1 feature %2").arg(s.width()).arg(f))) << s << f;
        }
    }

    void reportsNeverScrollSideways()
    {
        QFETCH(QSize, size);
        QFETCH(int, feature);
        m_win->resize(size);
        m_win->featureButton(feature)->click();
        QTRY_VERIFY(!m_win->slidesRunning());
        auto *view = m_win->page(feature)->findChild<QWebEngineView *>();
        QVERIFY(view);
        QSignalSpy loaded(view, SIGNAL(loadFinished(bool)));
        m_win->OnCalcNum();
        QVERIFY(loaded.wait(10000));
        // The calendar and essence tables used to widen the whole page.
        QTRY_VERIFY_WITH_TIMEOUT(view->page()->contentsSize().height() > view->height(), 5000);
        QVERIFY2(view->page()->contentsSize().width() <= view->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(view->page()->contentsSize().width()).arg(view->width())));
        QCOMPARE(view->page()->scrollPosition().x(), 0.0);
    }

    void listPanelTextIsWhole_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("feature");
        for (const QSize &s : {QSize(1024, 700), QSize(1100, 700), QSize(1440, 900), QSize(1920, 1080)}) {
            for (int f : {int(CQZNum::FeatNumerology), int(CQZNum::FeatCompatibility), int(CQZNum::FeatPet),
                          int(CQZNum::FeatAdvisor)})
                QTest::newRow(qPrintable(QStringLiteral("%1x%2 feature %3").arg(s.width()).arg(s.height()).arg(f)))
                    << s << f;
        }
    }

    void listPanelTextIsWhole()
    {
        // The Life Path chain ("11/11+11+5/23=27=9") is the longest value; at
        // the narrowest window its panel is under 200 pixels wide.
        QFETCH(QSize, size);
        QFETCH(int, feature);
        m_win->resize(size);
        m_win->featureButton(feature)->click();
        QTRY_VERIFY(!m_win->slidesRunning());
        QCOMPARE(m_win->mainFeaturesPanel()->itemValues().value(0), QStringLiteral("11/11+11+5/23=27=9"));
        int lists = 0;
        for (QWidget *w : m_win->panelsOf(feature)) {
            auto *list = qobject_cast<CInfoWidget *>(w);
            if (!list || list->itemValues().size() != list->itemNames().size())
                continue;
            ++lists;
            const QImage img = list->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(img.width(), list->width()); // a device pixel ratio of 1
            const int rows = list->itemNames().size();
            // Names are clipped at x = 102, values at four pixels from the right edge.
            const int name = rowInkedBefore(img, list->headerHeight(), rows, 102, 102);
            QVERIFY2(name < 0, qPrintable(list->title() + QLatin1String(": ") + list->itemNames().value(name)));
            const int value = rowInkedBefore(img, list->headerHeight(), rows, img.width() - 4, img.width() - 3);
            QVERIFY2(value < 0, qPrintable(list->title() + QLatin1String(": ") + list->itemValues().value(value)
                                           + QLatin1String(" at width ") + QString::number(list->width())));
        }
        QVERIFY(lists > 0);
    }

    void compatibilityGridShowsWithNames()
    {
        for (const QSize &s : {QSize(1024, 700), QSize(1100, 700), QSize(1440, 900), QSize(1920, 1080)}) {
            m_win->resize(s);
            m_win->featureButton(CQZNum::FeatCompatibility)->click();
            QTRY_VERIFY(!m_win->slidesRunning());
            auto *grid = m_win->findChild<CInfoCompMatrWidget *>();
            QVERIFY(m_win->panelsOf(CQZNum::FeatCompatibility).contains(grid));
            QVERIFY2(m_win->rect().contains(inWindow(grid, m_win.get())), qPrintable(QString::number(s.width())));
            QCOMPARE(grid->sideCaptions(), QStringList({QStringLiteral("MARIA MONTGOMERY"), QStringLiteral("JOHN SMITH")}));
        }
        m_win->resize(1100, 700);
    }
};

QZ_WIDGET_TEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
