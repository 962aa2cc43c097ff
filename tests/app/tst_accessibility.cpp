// Using the window without a mouse and hearing it: every control named, the
// painted panels read row by row, Tab only where the eye can see, Enter and
// the menu's shortcuts.
#include "app/core/apppaths.h"
#include "app/core/appstate.h"
#include "app/ui/cdateedit.h"
#include "app/ui/cpersonpanel.h"
#include "app/ui/cqznum.h"
#include "engine/calculatorflags.h"
#include "tests/common/mainwindowstart.h"
#include "tests/common/modaldialogs.h"
#include "tests/common/widgettestmain.h"
#include "panels/cinfowidget.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include <functional>

namespace {

// Focusable, shown nodes below @p iface that a screen reader could not name.
void collectUnnamed(QAccessibleInterface *iface, QStringList &out, int depth = 0)
{
    if (!iface || depth > 30 || iface->state().invisible)
        return;
    if (iface->state().focusable && iface->text(QAccessible::Name).trimmed().isEmpty()) {
        QObject *o = iface->object();
        out << (o ? QString(QString::fromLatin1(o->metaObject()->className()) + QLatin1Char(' ') + o->objectName())
                  : QString(QStringLiteral("row of ") + iface->parent()->text(QAccessible::Name)));
    }
    for (int i = 0; i < iface->childCount(); ++i)
        collectUnnamed(iface->child(i), out, depth + 1);
}

QString nameOf(QObject *o)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(o);
    return iface ? iface->text(QAccessible::Name) : QString();
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

    std::unique_ptr<CQZNum> m_win;

    void enterPerson()
    {
        CPersonPanel *p = m_win->personPanel();
        p->fullName->setText(QStringLiteral("Jean Luc OBrien"));
        p->birthDate->setDate(QDate(1985, 11, 29));
        m_win->OnCalcNum();
    }
    // Offscreen, focus does not come back to the window after a dialog by itself.
    void focusOn(QWidget *w)
    {
        m_win->activateWindow();
        QApplication::setActiveWindow(m_win.get());
        w->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(w->hasFocus());
    }
    void closePersonPanel()
    {
        if (m_win->personPanelOpen())
            m_win->OnNameSel();
    }

private slots:
    void initTestCase()
    {
        // Offscreen has no screen reader to switch the web content's tree on:
        // ask the web engine for it as one would.
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--force-renderer-accessibility");
        QVERIFY(qztest::prepareMainWindowState());
        QVERIFY(qztest::startMainWindow(m_win));
        enterPerson();
    }

    void cleanupTestCase() { m_win.reset(); }

    void everyFocusableControlHasAName_data()
    {
        QTest::addColumn<int>("feature");
        QTest::addColumn<bool>("personOpen");
        for (int f = 0; f < CQZNum::FeatureCount; ++f)
            QTest::newRow(qPrintable(QStringLiteral("feature %1").arg(f))) << f << false;
        QTest::newRow("person panel") << 0 << true;
    }

    void everyFocusableControlHasAName()
    {
        QFETCH(int, feature);
        QFETCH(bool, personOpen);
        closePersonPanel();
        m_win->featureButton(feature)->click();
        if (personOpen)
            m_win->OnNameSel();
        QStringList unnamed;
        collectUnnamed(QAccessible::queryAccessibleInterface(m_win.get()), unnamed);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
        closePersonPanel();
    }

    void fieldsAreNamedByTheirLabels_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("name");
        QTest::newRow("full name") << "fullName" << "Full Name";
        QTest::newRow("short name") << "shortName" << "Short Name";
        QTest::newRow("partner full name") << "partnerFullName" << "Partner Full Name";
        QTest::newRow("menu") << "tool0" << "Menu";
        QTest::newRow("clear") << "tool1" << "Clear all data";
        QTest::newRow("print") << "tool4" << "Print";
        QTest::newRow("report manager") << "reportManagerBut" << "Report manager";
        QTest::newRow("forecast date") << "forecastDate" << "Forecast date";
        QTest::newRow("pet name") << "petName" << "Pet Name";
        QTest::newRow("gender") << "gender" << "Gender";
        QTest::newRow("phonetic") << "phonetic" << "Phonetic:";
        QTest::newRow("chart chooser") << "chartChooser" << "Choose Layout";
    }

    void fieldsAreNamedByTheirLabels()
    {
        QFETCH(QString, object);
        QFETCH(QString, name);
        QObject *o = m_win->findChild<QObject *>(object);
        QVERIFY(o);
        QCOMPARE(nameOf(o), name);
        // A box is heard by its caption, then its chosen entry.
        if (auto *box = qobject_cast<QComboBox *>(o)) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
            QCOMPARE(iface->role(), QAccessible::ComboBox);
            QCOMPARE(iface->text(QAccessible::Value), box->currentText());
            QVERIFY(iface->child(0) && iface->child(0)->object() == static_cast<QObject *>(box->view()));
        }
    }

    void panelRowsCarryLabelAndValue()
    {
        closePersonPanel();
        m_win->featureButton(CQZNum::FeatNumerology)->click();
        QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(m_win->mainFeaturesPanel());
        QVERIFY(panel);
        QCOMPARE(panel->text(QAccessible::Name), QStringLiteral("Main Features"));
        QVERIFY(panel->childCount() >= 6);
        QAccessibleInterface *row = panel->child(0);
        QCOMPARE(row->text(QAccessible::Name), QStringLiteral("Life Path"));
        QCOMPARE(row->text(QAccessible::Value), m_win->numerology().lifePathText);
        QVERIFY(!row->text(QAccessible::Value).isEmpty());
        QCOMPARE(row->parent()->object(), m_win->mainFeaturesPanel());
        QCOMPARE(panel->indexOfChild(row), 0);
        const QRect r = row->rect();
        QCOMPARE(panel->childAt(r.center().x(), r.center().y())->text(QAccessible::Name), QStringLiteral("Life Path"));
        // Every painted panel is named and lists its rows.
        for (QWidget *w : m_win->panelsOf(CQZNum::FeatPMatrix) + m_win->panelsOf(CQZNum::FeatForecast)) {
            QAccessibleInterface *p = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(!p->text(QAccessible::Name).isEmpty(), w->metaObject()->className());
            QVERIFY2(p->childCount() > 0 && !p->child(0)->text(QAccessible::Name).isEmpty(),
                     w->metaObject()->className());
        }
    }

    void keyboardOnARowOpensItsExplanation_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("enter") << int(Qt::Key_Return);
        QTest::newRow("space") << int(Qt::Key_Space);
    }

    void keyboardOnARowOpensItsExplanation()
    {
        QFETCH(int, key);
        closePersonPanel();
        m_win->featureButton(CQZNum::FeatNumerology)->click();
        CInfoWidget *panel = m_win->mainFeaturesPanel();
        focusOn(panel);
        QCOMPARE(panel->focusRow(), 0);
        QString title;
        qztest::whenModal<QWidget>([&title](QWidget *w) {
            title = w->windowTitle();
            w->close();
        });
        QTest::keyClick(panel, Qt::Key(key));
        const QString life = m_win->numerology().lifePathText.section(QLatin1Char('='), -1);
        QCOMPARE(title, QStringLiteral("Life Path ") + life.section(QLatin1Char('/'), 0, 0));
        // Screen readers press the same row through its action.
        QAccessibleInterface *row = QAccessible::queryAccessibleInterface(panel)->child(1);
        QVERIFY(row->state().focusable);
        QCOMPARE(row->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    }

    void tabStaysWhereTheEyeIs_data()
    {
        QTest::addColumn<int>("feature");
        QTest::addColumn<bool>("personOpen");
        for (int f = 0; f < CQZNum::FeatureCount; ++f)
            QTest::newRow(qPrintable(QStringLiteral("feature %1").arg(f))) << f << false;
        QTest::newRow("person panel") << int(CQZNum::FeatNumerology) << true;
    }

    // Tab walks every control in sight once, column by column as shown (the
    // feature buttons, the page, the right column), and within a column never
    // goes back up unless it moves right along a row.
    void tabStaysWhereTheEyeIs()
    {
        QFETCH(int, feature);
        QFETCH(bool, personOpen);
        closePersonPanel();
        m_win->featureButton(feature)->click();
        QTRY_VERIFY(!m_win->slidesRunning());
        if (personOpen)
            m_win->OnNameSel();
        int first = 0;
        while (CQZNum::featurePosition(first) != 0)
            ++first;
        QWidget *start = personOpen ? static_cast<QWidget *>(m_win->personPanel()->fullName)
                                    : m_win->featureButton(first);
        focusOn(start);
        const QRect window = m_win->rect();
        auto placeOf = [this](QWidget *w) { return QRect(w->mapTo(m_win.get(), QPoint(0, 0)), w->size()); };
        auto column = [&](QWidget *w) {
            if (w == m_win->personButton() || w->objectName().startsWith(QLatin1String("featureBut")))
                return 0;
            return placeOf(w).center().x() >= window.width() - 190 ? 2 : 1;
        };
        QList<QWidget *> walked{start};
        QStringList names;
        for (int i = 1; i < 80; ++i) {
            // Tab inside a report walks its links; past the last one the page
            // hands Tab to its view, as this does at once.
            QWidget *at = QApplication::focusWidget();
            if (at->parentWidget() && at->parentWidget()->inherits("QWebEngineView"))
                at = at->parentWidget();
            QTest::keyClick(at, Qt::Key_Tab);
            QWidget *f = QApplication::focusWidget();
            QVERIFY(f && f->isVisible());
            if (f == start)
                break;
            walked << f;
            names << QString(QString::fromLatin1(f->metaObject()->className()) + QLatin1Char(':') + f->objectName());
            QVERIFY2(window.contains(placeOf(f).center()), qPrintable(f->objectName()));
            if (personOpen)
                QVERIFY2(f == m_win->personButton() || m_win->personPanel()->isAncestorOf(f),
                         qPrintable(f->objectName()));
        }
        const QString path = names.join(QLatin1Char(' '));
        QVERIFY2(walked.contains(m_win->personButton()), qPrintable(path));
        if (personOpen) {
            // "Phonetic:" comes right after the gender it sits under.
            m_win->personPanel()->gender->setFocus(Qt::TabFocusReason);
            QTest::keyClick(m_win->personPanel()->gender, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), m_win->personPanel()->phonetic);
            closePersonPanel();
            return;
        }
        QSet<QWidget *> inSight;
        for (QWidget *w : m_win->findChildren<QWidget *>()) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() && !w->focusProxy()
                && !w->isWindow() && window.contains(placeOf(w).center()))
                inSight.insert(w);
        }
        QStringList missed;
        for (QWidget *w : qAsConst(inSight)) {
            if (!walked.contains(w))
                missed << QString(QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(':') + w->objectName());
        }
        QVERIFY2(missed.isEmpty(), qPrintable(missed.join(QLatin1Char(' ')) + QStringLiteral(" not in ") + path));
        QCOMPARE(QSet<QWidget *>(walked.begin(), walked.end()).size(), walked.size());
        for (int i = 1; i < walked.size(); ++i) {
            QWidget *a = walked.at(i - 1);
            QWidget *b = walked.at(i);
            const QRect ra = placeOf(a);
            const QRect rb = placeOf(b);
            const QByteArray step = (a->objectName() + QLatin1String(" -> ") + b->objectName() + QLatin1String(" in ")
                                     + path).toLocal8Bit();
            QVERIFY2(column(b) >= column(a), step.constData());
            if (column(b) == column(a))
                QVERIFY2(rb.top() > ra.top() || (column(a) > 0 && rb.left() > ra.left()), step.constData());
        }
    }

    void enterApplies_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("APPLY button") << "personBut";
        QTest::newRow("full name") << "fullName";
        QTest::newRow("birth date") << "birthDate";
        QTest::newRow("gender") << "gender";
    }

    void enterApplies()
    {
        QFETCH(QString, field);
        closePersonPanel();
        m_win->OnNameSel();
        QVERIFY(m_win->personPanelOpen());
        m_win->personPanel()->fullName->setText(QStringLiteral("Ana Lopez"));
        QWidget *w = field == QLatin1String("gender") ? m_win->personPanel()->gender
                                                      : m_win->findChild<QWidget *>(field);
        QVERIFY(w);
        focusOn(w);
        QTest::keyClick(w, Qt::Key_Return);
        QVERIFY(!m_win->personPanelOpen());
        QCOMPARE(m_win->personButton()->text(), QStringLiteral("Ana Lopez"));
        enterPerson();
    }

    void menuShowsTheShortcuts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keys");
        QTest::newRow("save report") << "Save Report" << "Ctrl+S";
        QTest::newRow("open person") << "Open Person..." << "Ctrl+O";
        QTest::newRow("save person") << "Save Person..." << "Ctrl+Shift+S";
        QTest::newRow("guide") << "Guide" << "F1";
        QTest::newRow("quit") << "Quit" << "Ctrl+Q";
    }

    void menuShowsTheShortcuts()
    {
        QFETCH(QString, text);
        QFETCH(QString, keys);
        QAction *found = nullptr;
        for (QAction *a : m_win->mainMenu()->actions())
            if (a->text() == text)
                found = a;
        QVERIFY(found);
        QCOMPARE(found->shortcut(), QKeySequence(keys));
        // Works with the menu closed.
        QVERIFY(m_win->actions().contains(found));
    }

    void openMenuIsInTheTree()
    {
        closePersonPanel();
        auto *button = m_win->findChild<QPushButton *>(QStringLiteral("tool0"));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
        QVERIFY(iface->state().hasPopup && !iface->state().expanded);
        QCOMPARE(iface->childCount(), 0);
        m_win->OnMenu();
        QTRY_VERIFY(m_win->mainMenu()->isVisible());
        QVERIFY(iface->state().expanded);
        QAccessibleInterface *menu = iface->child(0);
        QVERIFY(menu && menu->role() == QAccessible::PopupMenu);
        QCOMPARE(iface->indexOfChild(menu), 0);
        QStringList items;
        for (int i = 0; i < menu->childCount(); ++i)
            items << menu->child(i)->text(QAccessible::Name);
        QVERIFY2(items.contains(QStringLiteral("Calculator Settings")), qPrintable(items.join(QLatin1Char(','))));
        m_win->mainMenu()->hide();
        QCOMPARE(iface->childCount(), 0);
    }

    void reportTextIsReachable()
    {
        closePersonPanel();
        m_win->featureButton(CQZNum::FeatNumerology)->click();
        auto *view = m_win->findChild<QWidget *>(QStringLiteral("view0"));
        QVERIFY(view);
        QAccessibleInterface *root = QAccessible::queryAccessibleInterface(view);
        QStringList seen;
        bool name = false;
        bool heading = false;
        std::function<void(QAccessibleInterface *, int)> walk = [&](QAccessibleInterface *i, int depth) {
            if (!i || depth > 40)
                return;
            const QString text = i->text(QAccessible::Name) + QLatin1Char(' ') + i->text(QAccessible::Value);
            name = name || text.contains(QStringLiteral("Jean Luc OBrien"), Qt::CaseInsensitive);
            heading = heading || (i->role() == QAccessible::Heading && !text.trimmed().isEmpty());
            if (seen.size() < 30)
                seen << QString::number(i->role()) + QLatin1Char(':') + text.left(30);
            for (int c = 0; c < i->childCount(); ++c)
                walk(i->child(c), depth + 1);
        };
        QTRY_VERIFY2_WITH_TIMEOUT((seen.clear(), name = heading = false, walk(root, 0), name && heading),
                                  qPrintable(seen.join(QStringLiteral(" | "))), 15000);
    }

    void f1OpensTheGuide()
    {
        closePersonPanel();
        m_win->featureButton(CQZNum::FeatNumerology)->click();
        focusOn(m_win->featureButton(CQZNum::FeatNumerology));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(m_win->currentFeature(), int(CQZNum::FeatGuide));
    }
};

QZ_WIDGET_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
