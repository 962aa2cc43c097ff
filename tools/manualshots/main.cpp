// Takes the manual's screenshots from the real program:
//   qznum-manualshots OUTDIR
// Builds the main window offscreen for a sample person (with a private home
// folder, so nothing of the user's is read or written), walks the pages and
// dialogs and saves OUTDIR/<name>.png. The manual's pages name these files.
#include "app/core/apppaths.h"
#include "app/core/appstate.h"
#include "app/ui/cdateedit.h"
#include "app/ui/cpersonpanel.h"
#include "app/ui/cqznum.h"
#include "reports/creportlayoutfile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <functional>

namespace {

int g_failures = 0;

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void save(QWidget *w, const QString &file)
{
    const QPixmap pm = w->grab();
    if (pm.isNull() || !pm.save(file, "PNG")) {
        QTextStream(stderr) << "cannot write " << file << '\n';
        ++g_failures;
    }
}

// Runs @p open, which shows a modal window; grabs that window once it has
// settled, then closes it with @p close (or rejects/closes it).
void shootModal(const std::function<void()> &open, const QString &file, int settleMs,
                const std::function<void(QWidget *)> &close = {})
{
    bool shot = false;
    QTimer::singleShot(settleMs, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            QTextStream(stderr) << "no window for " << file << '\n';
            ++g_failures;
            return;
        }
        save(modal, file);
        shot = true;
        if (close)
            close(modal);
        else if (auto *d = qobject_cast<QDialog *>(modal))
            d->reject();
        else
            modal->close();
    });
    open();
    if (!shot)
        wait(settleMs + 200);
}

QAction *menuAction(CQZNum &w, const QString &text)
{
    for (QAction *a : w.mainMenu()->actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    // A private home: settings, documents and the recent list go there.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", home.path().toLocal8Bit());
    for (const char *v : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_DOCUMENTS_DIR"})
        qunsetenv(v);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Qzarel Numerology"));
    QCoreApplication::setOrganizationName(QStringLiteral("Qzarel"));
    if (argc < 2) {
        QTextStream(stderr) << "usage: qznum-manualshots OUTDIR\n";
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(out))
        return 1;
    const auto file = [&out](const char *name) -> QString { return out + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"); };

    QDir().mkpath(AppPaths::configFolder());
    AppState state;
    state.guideNotAtStart = true;
    state.lastUpdateCheck = QDateTime::currentDateTime(); // no update check
    writeStateFile(AppPaths::stateFilePath(), state);
    QDir().mkpath(AppPaths::userFolder());
    AppPaths::copySampleCharts(AppPaths::templateFolder(), AppPaths::userFolder());

    CQZNum w(nullptr, 10);
    w.resize(1100, 700);
    w.show();
    while (!w.startUpFinished())
        wait(50);

    // The sample person of the manual's worked examples.
    CPersonPanel *p = w.personPanel();
    w.OnNameSel();
    p->fullName->setText(QStringLiteral("Anna Maria Lopez"));
    p->shortName->setText(QStringLiteral("Anna Lopez"));
    p->birthDate->setDate(QDate(1990, 7, 14));
    p->partnerFullName->setText(QStringLiteral("David James Chen"));
    p->partnerShortName->setText(QStringLiteral("David Chen"));
    p->partnerBirthDate->setDate(QDate(1988, 3, 2));
    if (auto *forecast = w.findChild<CDateEdit *>(QStringLiteral("forecastDate")))
        forecast->setDate(QDate(2026, 1, 15));
    wait(400);
    save(&w, file("person-panel"));
    w.OnNameSel(); // APPLY
    wait(600);

    if (auto *pet = w.findChild<QLineEdit *>(QStringLiteral("petName")))
        pet->setText(QStringLiteral("Bella"));
    w.OnCalcPetNum();
    if (auto *advisor = w.findChild<QLineEdit *>(QStringLiteral("advisorName")))
        advisor->setText(QStringLiteral("Sunrise Bakery"));
    w.OnCalcAnNum();

    const char *const pages[CQZNum::FeatureCount] = {"numerology", "psychomatrix", "compatibility",
                                                      "celebrities", "pet", "chart", "advisor",
                                                      "forecast", "guide"};
    for (int f = 0; f < CQZNum::FeatureCount; ++f) {
        if (f == CQZNum::FeatGuide)
            continue; // the manual does not picture itself
        w.featureButton(f)->click();
        wait(1800);
        save(&w, file(pages[f]));
    }

    // Dialogs: a number's explanation, the settings, the report choice, About.
    w.featureButton(CQZNum::FeatNumerology)->click();
    wait(800);
    shootModal([&] { QMetaObject::invokeMethod(&w, "MFitemCliked", Q_ARG(int, 0)); },
               file("details"), 1800);
    if (QAction *a = menuAction(w, QStringLiteral("Calculator Settings")))
        shootModal([a] { a->trigger(); }, file("settings"), 500);
    if (QAction *a = menuAction(w, QStringLiteral("Save All Reports to PDF")))
        shootModal([a] { a->trigger(); }, file("report-choice"), 500);
    if (QAction *a = menuAction(w, QStringLiteral("About")))
        shootModal([a] { a->trigger(); }, file("about"), 500);

    // The chart designer on the first sample chart.
    w.featureButton(CQZNum::FeatChart)->click();
    wait(800);
    for (QPushButton *edit : w.page(CQZNum::FeatChart)->findChildren<QPushButton *>()) {
        if (edit->text() == QLatin1String("Edit") && edit->isEnabled()) {
            shootModal([edit] { edit->click(); }, file("chart-designer"), 2000);
            break;
        }
    }

    // The report manager on a layout of the user's own, opened as from the file manager.
    QTemporaryDir layouts;
    const QString layoutFile = layouts.filePath(QStringLiteral("My Readings.qznr"));
    if (CReportLayoutFile::write(layoutFile, CReportLayout::createDefault(QStringLiteral("My Readings")))
        && w.openDocument(layoutFile)) {
        if (auto *manager = w.findChild<QPushButton *>(QStringLiteral("reportManagerBut")))
            shootModal([manager] { manager->click(); }, file("report-manager"), 1500);
    } else {
        QTextStream(stderr) << "cannot prepare a report layout\n";
        ++g_failures;
    }

    // The same page in another theme.
    const QList<QAction *> themes = w.themeActions();
    if (themes.size() > 2) {
        w.featureButton(CQZNum::FeatNumerology)->click();
        themes.at(2)->trigger();
        wait(1500);
        save(&w, file("theme"));
        themes.at(0)->trigger();
    }
    return g_failures ? 1 : 0;
}
