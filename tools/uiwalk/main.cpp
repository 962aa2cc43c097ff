// Screenshot walk: qznum-uiwalk OUTDIR [WxH ...]
// Opens the main window with a sample person and saves OUTDIR/<size>-<page>.png
// for every feature page and the open person panel.
#include "app/core/apppaths.h"
#include "app/core/appstate.h"
#include "app/ui/cdateedit.h"
#include "app/ui/cpersonpanel.h"
#include "app/ui/cqznum.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

namespace {

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void shoot(const QWidget &w, const QString &file)
{
    const QPixmap pm = QApplication::primaryScreen()->grabWindow(0, w.x(), w.y(), w.frameGeometry().width(),
                                                                 w.frameGeometry().height());
    pm.save(file);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    if (argc < 2)
        return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QStringList sizes;
    for (int i = 2; i < argc; ++i)
        sizes << QString::fromLocal8Bit(argv[i]);
    if (sizes.isEmpty())
        sizes = QStringList{QStringLiteral("1024x700"), QStringLiteral("1100x700"), QStringLiteral("1440x900"),
                 QStringLiteral("1920x1080")};

    AppState s;
    s.guideNotAtStart = true;
    s.lastUpdateCheck = QDateTime::currentDateTime();
    const QByteArray theme = qgetenv("QZ_THEME");
    s.themeIndex = theme.isEmpty() ? 0 : theme.toInt();
    writeStateFile(AppPaths::stateFilePath(), s);
    QDir().mkpath(AppPaths::userFolder());
    AppPaths::copySampleCharts(AppPaths::templateFolder(), AppPaths::userFolder());

    CQZNum w(nullptr, 10);
    w.move(0, 0);
    w.show();
    while (!w.startUpFinished())
        wait(50);
    CPersonPanel *p = w.personPanel();
    p->fullName->setText(QStringLiteral("Maria Alexandra Montgomery-Fitzgerald"));
    p->birthDate->setDate(QDate(1985, 11, 29));
    p->partnerFullName->setText(QStringLiteral("John Smith"));
    p->partnerBirthDate->setDate(QDate(1987, 3, 14));
    w.OnCalcNum();
    const char *const names[CQZNum::FeatureCount] = {"numerology", "pmatrix", "compat", "celebs", "pet",
                                                      "chart", "advisor", "forecast", "guide"};
    for (const QString &size : qAsConst(sizes)) {
        const QStringList wh = size.split(QLatin1Char('x'));
        w.resize(wh.value(0).toInt(), wh.value(1).toInt());
        wait(300);
        for (int f = 0; f < CQZNum::FeatureCount; ++f) {
            w.featureButton(f)->click();
            wait(f == CQZNum::FeatGuide || f == CQZNum::FeatChart ? 1500 : 900);
            shoot(w, out + QLatin1Char('/') + size + QLatin1Char('-') + QLatin1String(names[f]) + QStringLiteral(".png"));
        }
        w.OnNameSel();
        wait(400);
        shoot(w, out + QLatin1Char('/') + size + QStringLiteral("-person.png"));
        w.OnNameSel();
        wait(400);
    }
    return 0;
}
