// Program entry: web-engine preparation, first-start licence, user folder and
// sample charts, then the main window.
#include "app/core/apppaths.h"
#include "app/ui/ceuladlg.h"
#include "app/ui/cqznum.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <vector>

int main(int argc, char *argv[])
{
    qputenv("QT_AUTO_SCREEN_SCALE_FACTOR", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    // The web engine reads this from the application's arguments so that
    // report pages may load local pictures freely.
    static char webSecurity[] = "--disable-web-security";
    std::vector<char *> args(argv, argv + argc);
    args.push_back(webSecurity);
    args.push_back(nullptr);
    int count = argc + 1;
    QApplication app(count, args.data());
    QCoreApplication::setApplicationName(QStringLiteral("Qzarel Numerology"));
    QCoreApplication::setOrganizationName(QStringLiteral("Qzarel"));

    if (!QFile::exists(AppPaths::stateFilePath())) {
        auto *eula = new CEulaDlg();
        eula->setWindowTitle(QStringLiteral("Qzarel Numerology"));
        eula->exec();
        const bool accepted = eula->m_result == 0;
        delete eula;
        if (!accepted)
            return 0;
    }

    const QString user = AppPaths::userFolder();
    QDir().mkpath(user);
    AppPaths::copySampleCharts(AppPaths::templateFolder(), user);

    int result;
    {
        CQZNum window;
        // "qznum FILE" (the file manager's way to open a document).
        const QStringList args = QCoreApplication::arguments();
        for (int i = 1; i < args.size(); ++i) {
            if (!args.at(i).startsWith(QLatin1Char('-'))) {
                window.setStartFile(args.at(i));
                break;
            }
        }
        window.show();
        result = app.exec();
    }
    return result;
}
